// voltaris-cli as a script uses it: exit status, standard output and standard
// error of good and bad usage, batch lines and sessions.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/CliRun.h"

namespace {

using cli_run::Cli;
using cli_run::CliRun;
using cli_run::ReadFile;

TEST(CliUsage, BadUsageSaysWhyOnStandardErrorAndExitsWithTwo) {
    const struct {
        const char* arguments;
        const char* says;
    } cases[] = {
        {"calc no-such-form", "unknown form \"no-such-form\""},
        {"calc ohms-law X9=1", "has no field \"X9\""},
        {"calc ohms-law 9999=1", "has no field \"9999\""},
        {"calc ohms-law --mode 6", "mode 6 is out of range"},
        {"calc ohms-law --mode -1", "out of range"},
        {"calc ohms-law --mode 1:0", "no mode group 1"},
        {"calc ohms-law --mode two", "--mode takes"},
        {"calc class-a-amp --check 1094=2", "--check takes"},
        {"calc class-a-amp --check 4242=1", "has no check box"},
        {"calc ohms-law R", "expected FIELD=TEXT"},
        {"calc ohms-law --frobnicate", "--frobnicate"},
        {"show", "FORM is required"},
        {"", "A subcommand is required"},
        {"dance", "subcommand"},
        {"series E7", "unknown series \"E7\""},
        {"parts astable-555 --series-r E5", "unknown series"},
        {"parts astable-555 --tol R1=abc", "--tol takes"},
        // Tolerances are checked as field texts are: names as calc takes them, numbers read whole.
        {"parts astable-555 --tol R1=5abc", "--tol takes PART=PCT"},
        {"parts astable-555 --tol R1=100", "from 0 up to 100"},
        {"parts astable-555 --tol R1=-1", "--tol takes"},
        {"parts astable-555 --tol R1=inf", "--tol takes"},
        {"parts astable-555 --tol R1=", "--tol takes"},
        {"parts astable-555 --tol R1", "expected --tol PART=PCT"},
        {"parts astable-555 --tol =5", "expected --tol PART=PCT"},
        {"parts astable-555 --tol F=1", "field F of CAstable555Dlg is no part (its parts: R1, R2, C)"},
        {"parts astable-555 --tol 1178=1", "field T of CAstable555Dlg is no part"},
        {"parts astable-555 --tol X9=1", "has no part \"X9\""},
        {"parts class-a-amp --tol Vcc=1", "field Vcc of CClassAAmpDlg is no part"},
        {"parts decibel --tol R=1", "(it has none)"},
        {"spice heatsink", "no circuit to simulate"},
        {"plot decibel", "has no plot"},
        {"spice rc-low-pass --opamp perfect", "--opamp"},
        {"spice inverting-amp R2=1e30", "R2 = 1e+30 ohm is beyond what the simulator takes"},
        {"spice class-a-amp Fmin=0", "nothing to simulate: Fmin is zero"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.arguments << ": " << run.err;
    }
}

TEST(CliUsage, ValueTextsAreNeverErrorsAndPrintAsTheFormShowsThem) {
    CliRun run = Cli("calc ohms-law R=abc I=2m");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        "I (A) = 2.00 m (input)\nP (W) = 0   (computed)\nR (ohm) = 0   (input)\nU (V) = 0   (computed)\n");
    // Micro typed in UTF-8 is the form's micro, and comes back in UTF-8.
    run = Cli("calc monostable-555 --mode 1 R1=1p T=38.93\xc2\xb5 --json");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"form\":\"CMonostable555Dlg\",\"fields\":{\"1157\":\"35.39 M\",\"1156\":\"1.00 "
              "p\",\"1158\":\"38.93 "
              "\xc2\xb5\"},\"enabled\":{\"1157\":false,\"1156\":true,\"1158\":true}}\n");
}

// A text the notation reads only in part is told on standard error; what is printed stays the same.
TEST(CliUsage, TextsReadOnlyInPartAreNotedBesideTheSameOutput) {
    const struct {
        const char* arguments;
        const char* same;  // the same calculation typed in full
        const char* notes;
    } cases[] = {
        {"calc rc-low-pass C=10u", "calc rc-low-pass C=10",
         "note: C: '10u' read as 10; the micro prefix is \xc2\xb5\n"},
        {"calc ohms-law R=abc I=2m", "calc ohms-law R=0 I=2m", "note: R: 'abc' read as 0\n"},
        {"calc ohms-law 1001=1,5k", "calc ohms-law R=1k",
         "note: R: '1,5k' read as 1000; the decimal point is '.'\n"},
        {"calc ohms-law r=2G i=1f", "calc ohms-law R=2 I=1",
         "note: R: '2G' read as 2; M (mega) is the largest prefix\n"
         "note: I: '1f' read as 1; p (pico) is the smallest prefix\n"},
        // The last letter decides the prefix: "ohm" ends in milli.
        {"plot rc-low-pass R=4.7kohm", "plot rc-low-pass R=4.7m", "note: R: '4.7kohm' read as 0.0047\n"},
        // Read whole, typed again, or written over by the calculation: nothing to tell.
        {"calc monostable-555 --mode 1 R1=1p T=38.93\xc2\xb5",
         "calc monostable-555 --mode 1 R1=1p T=38.93\xc2\xb5", ""},
        {"calc ohms-law R=10u R=\"3.3 k \" P=abc", "calc ohms-law R=3.3k", ""},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments;
        EXPECT_EQ(run.err, c.notes) << c.arguments;
        EXPECT_TRUE(run.out == Cli(c.same).out) << c.arguments;
    }
}

TEST(CliUsage, VersionAndHelpSayWhatTheProgramIsAndHowTextsAreRead) {
    CliRun run = Cli("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "voltaris-cli " VOLTARIS_VERSION "\n");
    for (const char* arguments : {"--help", "calc --help", "parts --help"}) {
        run = Cli(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        for (const char* says :
             {"p (1e-12), n (1e-9), \xc2\xb5 (1e-6), m (1e-3), k or K (1e3), M (1e6)", "not u"})
            EXPECT_NE(run.out.find(says), std::string::npos) << arguments << ": " << run.out;
    }
}

TEST(CliFeatures, PartsSeriesDecksPlotsAndCopiedValuesOfOneCalculation) {
    CliRun run = Cli("series E12");
    EXPECT_EQ(run.out, "1.00\n1.20\n1.50\n1.80\n2.20\n2.70\n3.30\n3.90\n4.70\n5.60\n6.80\n8.20\n");
    // A 555 designed for 1 kHz at 60 %: standard resistors, the as-built mode, a range per output.
    run = Cli("parts astable-555 --mode 2 C=10n F=1k Duty=60 --tol R1=1 --json");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* has :
         {"\"as_built_caption\": \"R1, R2 and C\"", "\"text\": \"30.00 K\"", "\"text\": \"56.00 K\"",
          "\"tolerance_percent\": 1.0", "\"most_sensitive\": \"C\""})
        EXPECT_NE(run.out.find(has), std::string::npos) << has;
    // A part by control id, by name in any case, or one the class A stage designs; the last one given wins.
    run = Cli("parts class-a-amp --tol 1101=1 --tol re=2 --tol Cby=3 --tol CBY=0.5 --json");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* has :
         {"\"tolerance_percent\": 1.0", "\"tolerance_percent\": 2.0", "\"tolerance_percent\": 0.5"})
        EXPECT_NE(run.out.find(has), std::string::npos) << has;
    EXPECT_EQ(run.out.find("\"tolerance_percent\": 3.0"), std::string::npos);
    run = Cli("parts decibel");
    EXPECT_NE(run.out.find("no standard parts"), std::string::npos) << run.out;
    // The deck of the as-built circuit carries the standard value, the form's own the computed one.
    run = Cli("spice astable-555 --mode 2 C=10n F=1k Duty=60 --as-built");
    EXPECT_NE(run.out.find("30000"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(".tran"), std::string::npos);
    EXPECT_EQ(Cli("copy ohms-law R=2.2k").out,
              "Ohm's Law\nI (A) 10.00 m\nP (W) 220.00 m\nR (ohm) 2.20 K\nU (V) 22.00\n");
    run = Cli("plot rc-low-pass --svg " + ::testing::TempDir() + "lp.svg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("kind,series,x (Hz),y,unit,text\n", 0), 0u);
    EXPECT_NE(ReadFile(::testing::TempDir() + "lp.svg").find("<svg"), std::string::npos);
    // Refused, with the reason: a zero part, a field showing Error, an axis beyond what it writes.
    for (const char* refused :
         {"plot rc-low-pass R=0", "plot rc-notch --mode 1 Fc=0", "plot monostable-555 R1=1000M C=1000M"}) {
        run = Cli(refused);
        EXPECT_EQ(run.status, 2) << refused;
        EXPECT_EQ(run.out, "") << refused;
        EXPECT_NE(run.err.find("nothing to plot"), std::string::npos) << refused;
    }
    EXPECT_NE(Cli("plot rc-low-pass R=0").err.find("R is zero"), std::string::npos);
}

TEST(CliBatch, EachLineAnsweredAndSessionsCarryTheTextsOn) {
    const CliRun run =
        Cli("batch",
            "{\"form\":\"rc-low-pass\",\"in\":{\"R\":\"4.7k\",\"1179\":\"10n\"}}\n"
            "\n"  // blank lines are skipped, as JSON Lines readers skip them
            "not json\n"
            " \t\r\n"
            "{\"form\":\"nope\"}\n"
            "{\"form\":\"ohms-law\",\"modes\":[9]}\n"
            "{\"form\":\"ohms-law\",\"in\":{\"R\":5}}\n"
            "{\"form\":\"ohms-law\",\"steps\":[{\"set\":{\"R\":\"1k\"}},{\"set\":{\"I\":\"2m\"}},"
            "{\"modes\":[3],\"set\":{\"U\":\"5\"}}]}\n");
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line,
              "{\"form\":\"CRcLowPassDlg\",\"fields\":{\"1179\":\"10.00 n\",\"1180\":\"3.39 "
              "K\",\"1178\":\"4.70 K\"},"
              "\"enabled\":{\"1179\":true,\"1180\":false,\"1178\":true}}");
    for (const char* says : {"parse error", "unknown form", "out of range", "must be a string"}) {
        std::getline(lines, line);
        EXPECT_EQ(line.rfind("{\"error\":", 0), 0u) << line;
        EXPECT_NE(line.find(says), std::string::npos) << line;
    }
    // The third step keeps R 1k and I 2m from the steps before, then solves R from I and U.
    std::getline(lines, line);
    EXPECT_EQ(
        line,
        "{\"steps\":["
        "{\"form\":\"COhmsLawDlg\",\"fields\":{\"1000\":\"10.00 m\",\"1006\":\"100.00 m\",\"1001\":\"1.00 "
        "K\","
        "\"1002\":\"10.00  \"},\"enabled\":{\"1000\":true,\"1006\":false,\"1001\":true,\"1002\":false}},"
        "{\"form\":\"COhmsLawDlg\",\"fields\":{\"1000\":\"2.00 m\",\"1006\":\"4.00 m\",\"1001\":\"1.00 K\","
        "\"1002\":\"2.00  \"},\"enabled\":{\"1000\":true,\"1006\":false,\"1001\":true,\"1002\":false}},"
        "{\"form\":\"COhmsLawDlg\",\"fields\":{\"1000\":\"2.00 m\",\"1006\":\"10.00 m\",\"1001\":\"2.50 K\","
        "\"1002\":\"5.00  \"},\"enabled\":{\"1000\":true,\"1006\":false,\"1001\":false,\"1002\":true}}]}");
    EXPECT_FALSE(std::getline(lines, line));
}

}  // namespace
