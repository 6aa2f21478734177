#pragma once
#include "platform/UserDialogs.h"

#include <QFileDialog>
#include <memory>

class QWidget;

// The real dialogs of the desktop. Boxes are parented to the active window.
class QtUserDialogs : public IUserDialogs {
public:
    Odpoved zprava(const Zprava& z) override;
    std::optional<QString> vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) override;
    QString souborOtevrit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka) override;
    QString souborUlozit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                         const QString& pripona) override;
    QString slozka(const QString& titulek) override;
};

// The open or save dialog the two ask with, ready to show.
std::unique_ptr<QFileDialog> souborovyDialog(QFileDialog::AcceptMode rezim, const QString& titulek,
                                             const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                                             const QString& pripona);
