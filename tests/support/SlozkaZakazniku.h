// A customer file in a folder of its own, with the stand-in services its reads and writes report
// through.
#pragma once

#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

struct SlozkaZakazniku {
    FakeServices sluzby;
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("Zakaznici"));
};

class ZakazniciVeSlozce : public ::testing::Test, protected SlozkaZakazniku {};
