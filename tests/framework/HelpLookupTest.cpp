// Where the program finds its help file: beside it first (a build folder),
// then in the share folder of the prefix it is installed in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/HelpFile.h"

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(HelpLookup, BesideTheProgramFirstThenTheInstalledShareFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString program = prefix.filePath("bin/voltaris");
    const QString beside = prefix.filePath("bin/voltaris.HLP");
    const QString shared = prefix.filePath("share/voltaris/voltaris.HLP");
    Touch(program);

    // Neither: the usual place, so that the failure message names it.
    EXPECT_EQ(platform::FindHelpFile(program), beside);
    Touch(shared);
    EXPECT_EQ(platform::FindHelpFile(program), shared);
    Touch(beside);
    EXPECT_EQ(platform::FindHelpFile(program), beside);
}

TEST(HelpLookup, TheShareFolderIsNamedAfterTheProgram) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    Touch(prefix.filePath("share/voltaris/calc.HLP"));
    Touch(prefix.filePath("share/calc/calc.HLP"));
    EXPECT_EQ(platform::FindHelpFile(prefix.filePath("bin/calc.exe")),
              prefix.filePath("share/calc/calc.HLP"));
}

}  // namespace
