#pragma once
#include "platform/Desktop.h"

// The desktop through xdg-utils: xdg-email for mail, xdg-open for files and links.
class XdgDesktop : public IDesktop {
public:
    void posliPostou(const QStringList& soubory, std::function<void(int)> hotovo) override;
    bool otevri(const QString& cestaNeboOdkaz) override;
    bool spust(const QString& program, const QStringList& argumenty) override;
};
