#pragma once
// The desktop's mail client, viewers and other programs.
#include <QString>
#include <QStringList>
#include <functional>

// A refusal of the mail program names the files after this, one a line, for the user to attach
// them by hand; a message cut to fit the screen keeps that list whole.
inline const QString kPrilozteRucne = QStringLiteral("Přiložte ke zprávě ručně:");

class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Opens a new message of the user's mail program with the files attached (the recipient
    // sees each file's own name). `hotovo` gets 0 once the mail program took the message,
    // otherwise its error number: before this returns, or later while the events flow.
    virtual void posliPostou(const QStringList& soubory, std::function<void(int)> hotovo) = 0;
    // A file, folder or link in the program the desktop associates with it; false when it cannot
    // be handed over. When the desktop fails later (no program for the file), the user is told
    // where the file is.
    virtual bool otevri(const QString& cestaNeboOdkaz) = 0;
    // Starts a program without waiting for it.
    virtual bool spust(const QString& program, const QStringList& argumenty) = 0;
};
