#include "platform/Okna.h"

#include "platform/UserDialogs.h"

void OknoVPristiVerzi::oznam() { MsgBox(m_text, Tlacitka::Ok, Ikona::Informace, QStringLiteral("Informace")); }
