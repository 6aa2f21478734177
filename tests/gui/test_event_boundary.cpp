#include "platform/Errors.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class Vadny : public QObject {
public:
    int udalosti = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++udalosti;
            throw ChybaPreteceni();
        }
        return QObject::event(e);
    }
};
}  // namespace

TEST(EventBoundary, ARunTimeErrorInAHandlerIsShownAndTheProgramGoesOn) {
    FakeServices sluzby;
    Vadny o;
    QCoreApplication::postEvent(&o, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&o, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(o.udalosti, 2);
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 2);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].text, QStringLiteral("Chyba č. 6: Přetečení (Overflow)"));
    EXPECT_EQ(sluzby.dialogs.zpravy[0].ikona, Ikona::Kriticka);

    bool dalsi = false;
    const QObject kontext;
    QTimer::singleShot(0, &kontext, [&] { dalsi = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(dalsi);
}

// Qt's own dialogs speak Czech, whatever the machine's language.
TEST(QtApplicationTest, StandardDialogsSpeakCzech) {
    QDialogButtonBox tlacitka(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(tlacitka.button(QDialogButtonBox::Save)->text().remove(u'&'), QStringLiteral("Uložit"));
    EXPECT_EQ(tlacitka.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Zrušit"));
    QFileDialog soubor;
    soubor.setOption(QFileDialog::DontUseNativeDialog);
    auto* hledat = soubor.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_TRUE(hledat);
    EXPECT_EQ(hledat->text(), QStringLiteral("Hledat v:"));
}
