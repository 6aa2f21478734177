#pragma once
#include <QString>

// Shown on the main menu and sent to the server (User-Agent, offer log), which reads it back.
inline const QString kVerzeProgramu = QStringLiteral("verze: 9.4.2009");
