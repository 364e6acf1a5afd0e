// The help file as built beside the program: every topic a window asks for
// exists, every link leads somewhere, search finds words of the text, and
// the worked example of each form topic gives, through the real form, the
// numbers the topic states.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>
#include <optional>
#include <string>
#include <vector>

#include "app/FormTable.h"
#include "platform/HelpFile.h"
#include "tests/support/FormHarness.h"

namespace {

const std::optional<platform::HelpFile>& Help() {
    static const std::optional<platform::HelpFile> help =
        platform::HelpFile::Load(QStringLiteral(VOLTARIS_HELP_FILE));
    return help;
}

// Context ids of the forms, in the order of the main menu, and the About box's notice.
const int kFormTopics[] = {220, 105, 100, 175, 215, 230, 155, 180, 195, 265, 160, 130,
                           135, 120, 125, 150, 145, 140, 110, 165, 115, 245, 240, 250};
constexpr int kCopyrightTopic = 170;

QString Key(int topic) {
    return QString::number(topic);
}

// What a reader sees of a topic, blanks collapsed, so that "12.00  " in a
// field matches "12.00" in a sentence.
QString ReadableText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QStringList TopicLinks(const QString& html) {
    static const QRegularExpression link(QStringLiteral("href=\"topic:([^\"]*)\""));
    QStringList targets;
    for (auto it = link.globalMatch(html); it.hasNext();)
        targets << it.next().captured(1);
    return targets;
}

TEST(HelpFile, HoldsExactlyTheTopicsTheProgramAsksFor) {
    const auto& help = Help();
    ASSERT_TRUE(help) << "cannot load " << VOLTARIS_HELP_FILE;

    QSet<QString> expected{QStringLiteral("contents"), QStringLiteral("notation"), QStringLiteral("design"),
                           Key(kCopyrightTopic)};
    for (int topic : kFormTopics)
        expected << Key(topic);
    const QStringList keys = help->Keys();
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()), expected);

    // A topic written twice would silently replace the first one.
    QFile file(QStringLiteral(VOLTARIS_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).count(QStringLiteral("<!--topic:")), keys.size());

    for (const QString& key : keys) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(help->Html(key).count(QStringLiteral("<h1>")), 1);
        EXPECT_NE(help->Title(key), key);
        EXPECT_FALSE(help->Title(key).trimmed().isEmpty());
    }
    EXPECT_EQ(help->Title(Key(kCopyrightTopic)), QStringLiteral("Copyright notice"));
    EXPECT_TRUE(help->Html(Key(kCopyrightTopic)).contains(QStringLiteral("V1.1")));
}

TEST(HelpFile, EveryBuiltFormAsksForATopicThatExists) {
    const auto& help = Help();
    ASSERT_TRUE(help);
    int built = 0;
    for (const FormCommand& command : FormCommands()) {
        ++built;
        const auto form = command.create();
        SCOPED_TRACE(command.className);
        EXPECT_TRUE(help->Has(Key(form->Binding().HelpTopic())));
    }
    EXPECT_GE(built, 1);
}

TEST(HelpFile, EveryLinkLeadsToATopicAndTheContentsReachesThemAll) {
    const auto& help = Help();
    ASSERT_TRUE(help);
    for (const QString& key : help->Keys()) {
        for (const QString& target : TopicLinks(help->Html(key)))
            EXPECT_TRUE(help->Has(target)) << key.toStdString() << " links to " << target.toStdString();
        if (key != QLatin1String("contents")) {
            EXPECT_TRUE(TopicLinks(help->Html(key)).contains(QStringLiteral("contents")))
                << key.toStdString() << " has no way back to the contents";
        }
    }
    const QStringList fromContents = TopicLinks(help->Html(QStringLiteral("contents")));
    for (const QString& key : help->Keys()) {
        if (key != QLatin1String("contents")) {
            EXPECT_TRUE(fromContents.contains(key)) << "the contents does not list " << key.toStdString();
        }
    }
}

// The contents lists each form under its menu, with the menu item's name.
TEST(HelpFile, ContentsFollowsTheMainMenu) {
    const auto& help = Help();
    ASSERT_TRUE(help);
    const QString contents = ReadableText(help->Html(QStringLiteral("contents")));
    const char* inMenuOrder[] = {"File",
                                 "Units",
                                 "Decibels",
                                 "Passive components",
                                 "Ohms'law",
                                 "Semi-conductors",
                                 "Heatsink",
                                 "AOP's",
                                 "Schmitt trigger",
                                 "Oscillators",
                                 "Monostable, NE555",
                                 "Filters",
                                 "RC Notch filter (6dB/octave)",
                                 "Help"};
    qsizetype from = 0;
    for (const char* item : inMenuOrder) {
        const qsizetype at = contents.indexOf(QLatin1String(item), from);
        EXPECT_GE(at, 0) << item << " missing or out of menu order";
        if (at >= 0)
            from = at;
    }
}

TEST(HelpFile, SearchFindsTopicsByTheWordsOfTheirText) {
    const auto& help = Help();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->Search(QStringLiteral("hysteresis")), QStringList{QStringLiteral("140")});
    EXPECT_EQ(help->Search(QStringLiteral("Mono-alternance")), QStringList{QStringLiteral("155")});
    // Several words must all be there, in any case.
    EXPECT_EQ(help->Search(QStringLiteral("TWIN-T r/2")), QStringList{QStringLiteral("250")});
    // The RC filters and only they use the four-decimal 2 pi.
    EXPECT_EQ(help->Search(QStringLiteral("6.2832")),
              (QStringList{QStringLiteral("240"), QStringLiteral("245"), QStringLiteral("250")}));
    // Lengths in metres: the three coil topics say so.
    const QStringList metres = help->Search(QStringLiteral("Lengths are in metres"));
    EXPECT_EQ(metres, (QStringList{QStringLiteral("175"), QStringLiteral("215"), QStringLiteral("230")}));
    EXPECT_TRUE(help->Search(QStringLiteral("flux capacitor")).isEmpty());
}

// One worked example: clicks and typed values, then the texts the form shows.
struct Step {
    enum Kind { Click, Enter, Expect } kind;
    int id;
    const char* text = "";  // Latin-1, as in the fields
};
struct Example {
    int command;
    int topic;
    std::vector<Step> steps;
};

Step C(int id) {
    return {Step::Click, id};
}
Step E(int id, const char* typed) {
    return {Step::Enter, id, typed};
}
Step X(int id, const char* shown) {
    return {Step::Expect, id, shown};
}

// The examples as the topics state them, each checked against the topic's
// text and then typed into the real form. Opening values come first.
const Example kExamples[] = {
    {32772,
     220,
     {X(1002, "12.00  "), X(1006, "120.00 m"), C(1007), E(1001, "4.7k"), E(1002, "12"), X(1001, "4.70 K"),
      X(1002, "12.00  "), X(1000, "2.55 m"), X(1006, "30.64 m")}},
    {32775,
     180,
     {X(1002, "10.00  "), X(1003, "100.00 m"), C(1008), E(1000, "1m"), E(1001, "1"), E(1003, "2"),
      X(1004, "33.01  "), X(1002, "44.72  ")}},
    {32785,
     105,
     {X(1023, "3.20 K"), C(1017), C(1019), E(1023, "1k"), E(1021, "1.5k"), E(1029, "12"), X(1022, "3.00 K"),
      X(1024, "8.00 m"), X(1025, "4.00 m"), X(1026, "12.00 m"), X(1027, "12.00  "), X(1028, "12.00  ")}},
    {32776,
     100,
     {E(1048, "100n"), E(1049, "47n"), E(1053, "15"), X(1050, "31.97 n"), X(1051, "4.80  "),
      X(1052, "10.20  "), C(1055), X(1050, "147.00 n"), X(1051, "15.00  "), X(1052, "15.00  ")}},
    {32793, 155, {X(1066, "3.00 m"), E(1065, "500m"), E(1064, "2"), X(1066, "375.00 \xB5")}},
    {32778,
     175,
     {X(1029, "1.92 n"), C(1025), X(1028, "99.92  "), E(1029, "10\xB5"), E(1026, "10m"), E(1027, "20m"),
      X(1028, "5.10 K")}},
    {32780,
     215,
     {X(1035, "1.74 n"), C(1031), X(1034, "100.02  "), C(1030), E(1032, "20m"), E(1033, "10m"), E(1038, "5m"),
      E(1034, "200"), X(1035, "64.00 n"), C(1031), E(1035, "100n"), X(1034, "250.00  ")}},
    {32779, 230, {X(1043, "986.20 p"), E(1040, "10m"), E(1041, "30m"), E(1042, "10"), X(1043, "48.27 p")}},
    {32794,
     195,
     {X(1071, "12.40  "), E(1072, "0.5"), E(1073, "1.5"), E(1074, "40"), E(1077, "150"), E(1078, "20"),
      X(1071, "3.50  "), E(1074, "-10"), X(1071, "6.00  ")}},
    {32796,
     265,
     {X(1087, "103.60  "), X(1089, "131.85  "), X(1088, "42.47 m"), C(1081), E(1083, "15"), E(1084, "12"),
      E(1085, "9.1"), E(1088, "20m"), X(1089, "455.00  "), X(1087, "145.00  "), X(1086, "370.28 m")}},
    {32797,
     160,
     {X(1097, "Ok !"),
      X(1096, "Gain= 100.00  "),
      X(1095, "Re = 989.88 m ohm"),
      C(1094),
      E(1104, "1"),
      X(1097, "Ok !"),
      X(1104, "1.00  "),
      X(1095, "Rc = 220.00   ohm"),
      X(1095, "Re = 15.24   ohm"),
      X(1095, "Rv = 2.14 K ohm"),
      X(1095, "Rb = 2.80 K ohm"),
      X(1095, "Rx = 23.31 K ohm"),
      X(1095, "Cin  = 6.80 \xB5 F"),
      X(1095, "Cout = 7.96 n F"),
      X(1095, "Cby  = 173.85 \xB5 F"),
      X(1096, "in = 1.17 K ohm"),
      X(1096, "w/l= 219.95   ohm"),
      X(1096, "C = 4.55 m A"),
      X(1096, "B = 45.46 \xB5 A"),
      X(1096, "E = 9.90   V"),
      X(1096, "B = 10.60   V"),
      X(1096, "Gain= 10.00  "),
      X(1096, "Pmax= 4.86 m W")}},
    {32781,
     130,
     {X(1105, "2.14  "), C(1102), X(1104, "4.71 K"), E(1103, "10k"), E(1105, "22"), X(1104, "220.00 K")}},
    {32782, 135, {X(1112, "3.14  "), E(1110, "1k"), E(1111, "9.1k"), X(1112, "10.10  ")}},
    {32783, 120, {X(1117, "15.40 \xB5"), C(1128), E(1115, "47k"), E(1117, "10m"), X(1116, "303.95 n")}},
    {32799, 125, {X(1124, "15.40 \xB5"), E(1122, "100k"), E(1123, "470n"), X(1124, "32.90 m")}},
    {32786,
     150,
     {X(1134, "2.14  "), X(1135, "2.14  "), C(1130), E(1134, "2"), E(1135, "5"), E(1133, "10k"),
      X(1131, "5.00 K"), X(1132, "2.00 K")}},
    {32798,
     145,
     {X(1143, "2.14  "), X(1144, "2.14  "), E(1140, "10k"), E(1141, "47k"), E(1142, "22k"), X(1143, "4.70  "),
      X(1144, "3.88  "), C(1139), E(1143, "1"), E(1144, "3"), E(1141, "10k"), X(1140, "10.00 K"),
      X(1142, "Error")}},
    {32800,
     140,
     {X(1151, "5.62  "), C(1148), E(1150, "100k"), E(1151, "2.5"), E(1154, "15"), X(1149, "16.67 K")}},
    {32801,
     110,
     {E(1171, "1k"), E(1176, "10k"), E(1172, "100n"), X(1173, "762.30 \xB5"), X(1177, "693.00 \xB5"),
      X(1178, "1.46 m"), X(1179, "687.14  "), X(1180, "52.38  "), C(1181), E(1172, "10n"), E(1179, "1k"),
      E(1180, "60"), X(1171, "28.86 K"), X(1176, "57.72 K"), X(1178, "1.00 m"), X(1173, "600.00 \xB5"),
      X(1177, "400.00 \xB5")}},
    {32803,
     165,
     {X(1165, "15.40 \xB5"), X(1166, "64.94 K"), E(1163, "100k"), E(1164, "10n"), X(1165, "700.00 \xB5"),
      X(1166, "1.43 K")}},
    {32802, 115, {X(1158, "24.20 \xB5"), C(1155), E(1156, "100k"), E(1158, "500m"), X(1157, "4.55 \xB5")}},
    {32807,
     245,
     {X(1180, "7.23 K"), C(1177), X(1178, "2.20 K"), C(1176), E(1178, "10k"), E(1179, "15n"),
      X(1180, "1.06 K")}},
    {32808,
     240,
     {X(1187, "7.23 K"), C(1184), X(1185, "2.20 K"), E(1186, "100n"), E(1187, "50"), X(1185, "31.83 K")}},
    {32809,
     250,
     {X(1194, "7.23 K"), C(1191), X(1192, "2.20 K"), E(1193, "47n"), E(1194, "50"), X(1192, "67.73 K")}},
};

class WorkedExample : public ::testing::TestWithParam<Example> {};

// What the form shows in a control: the text of an edit field, or the line
// of a list that equals the expected one (empty when there is none).
std::string Shown(const CCalcFormDlg& form, int id, const std::string& expected) {
    QWidget* control = form.GetDlgItem(id);
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        const QString line = QString::fromLatin1(expected.c_str());
        return list->findItems(line, Qt::MatchExactly).isEmpty() ? std::string() : expected;
    }
    return harness::Text(form, id);
}

TEST_P(WorkedExample, TheTopicStatesWhatTheFormShows) {
    const Example& example = GetParam();
    const auto& help = Help();
    ASSERT_TRUE(help);
    const QString text = ReadableText(help->Html(Key(example.topic)));
    ASSERT_FALSE(text.isEmpty());
    for (const Step& step : example.steps) {
        const QString said = QString::fromLatin1(step.text).simplified();
        if (step.kind != Step::Click) {
            EXPECT_TRUE(text.contains(said))
                << "topic " << example.topic << " does not state \"" << said.toStdString() << "\"";
        }
    }

    const FormCommand* command = FindFormCommand(example.command);
    ASSERT_NE(command, nullptr);
    const auto form = harness::OpenCommand(example.command);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->Binding().HelpTopic(), example.topic);
    int stepNumber = 0;
    for (const Step& step : example.steps) {
        SCOPED_TRACE(::testing::Message() << "step " << ++stepNumber << ", control " << step.id);
        switch (step.kind) {
            case Step::Click:
                harness::Click(*form, step.id);
                break;
            case Step::Enter:
                ASSERT_TRUE(harness::Enabled(*form, step.id)) << "cannot type into a greyed field";
                harness::Enter(*form, step.id, step.text);
                break;
            case Step::Expect:
                EXPECT_EQ(Shown(*form, step.id, step.text), step.text);
                break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryForm, WorkedExample, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& info) {
                             return "Topic" + std::to_string(info.param.topic);
                         });

// The same table covers every form topic, so no topic goes without a check.
TEST(WorkedExamples, CoverEveryFormTopic) {
    QSet<int> covered;
    for (const Example& example : kExamples)
        covered << example.topic;
    for (int topic : kFormTopics)
        EXPECT_TRUE(covered.contains(topic)) << topic;
}

}  // namespace
