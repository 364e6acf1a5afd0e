// voltaris-cli against the dialogs: the same texts, modes and check boxes
// given to a form's window and to `voltaris-cli batch` must give the same
// fields, enabled states, list lines, selections and status, byte for byte.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <string>
#include <vector>

#include "app/FormTable.h"
#include "tests/support/FormHarness.h"

namespace {

struct Case {
    const FormCommand* command;
    std::vector<int> modes;
    std::vector<int> checks;
    std::vector<std::pair<int, std::string>> texts;  // control id, Latin-1
};

// Texts a user types or pastes, the odd ones included.
const char* const kSamples[] = {"4.7k", "10n", "1.5", "abc", "-2.2", "100m", "3.3\xb5", "1e99999",
                                "0",    "",    "47K", "12",  "2.2M", " 7 ",  "0.001",   "220"};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    size_t sample = 0;
    for (const FormCommand& command : FormCommands()) {
        const engine::FormModel& form = command.create()->Form();
        const bind::FormBinding& binding = bind::BindingOf(form);
        std::vector<int> defaults;
        for (const auto& group : form.radioGroups)
            defaults.push_back(group.defaultIndex);
        std::vector<int> checks;
        for (const auto& check : form.checks)
            checks.push_back(check.defaultState);
        cases.push_back({&command, defaults, checks, {}});  // as opened
        // Every mode of every group, with texts in each field; check boxes in
        // every combination.
        const size_t variants =
            std::max<size_t>({size_t{3}, form.inputsByMode.size(), size_t{1} << form.checks.size()});
        for (size_t v = 0; v < variants; ++v) {
            Case c{&command, defaults, checks, {}};
            for (size_t g = 0; g < form.radioGroups.size(); ++g)
                c.modes[g] = static_cast<int>((v + g) % form.radioGroups[g].modes.size());
            for (size_t k = 0; k < form.checks.size(); ++k)
                c.checks[k] = static_cast<int>((v >> k) & 1);
            for (const int id : binding.fieldIds)
                c.texts.push_back({id, kSamples[sample++ % std::size(kSamples)]});
            cases.push_back(c);
        }
    }
    return cases;
}

QByteArray Utf8(const std::string& latin1) {
    return QString::fromLatin1(latin1.c_str()).toUtf8();
}

QByteArray BatchLine(const Case& c) {
    QJsonObject in;
    for (const auto& [id, text] : c.texts)
        in[QString::number(id)] = QString::fromLatin1(text.c_str());
    QJsonArray modes;
    for (int mode : c.modes)
        modes.append(mode);
    QJsonObject checks;
    const bind::FormBinding& binding = c.command->create()->Binding();
    for (size_t k = 0; k < c.checks.size(); ++k)
        checks[QString::number(binding.checkIds[k])] = c.checks[k];
    QJsonObject line{{"form", c.command->className}, {"in", in}, {"modes", modes}, {"checks", checks}};
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + "\n";
}

// The window's side: controls set as a user leaves them, one recalculation.
void RunInDialog(const Case& c, CCalcFormDlg& dlg) {
    const bind::FormBinding& binding = dlg.Binding();
    for (size_t g = 0; g < binding.modeIds.size(); ++g)
        dlg.Item<QRadioButton>(binding.modeIds[g][static_cast<size_t>(c.modes[g])])->setChecked(true);
    for (size_t k = 0; k < binding.checkIds.size(); ++k)
        dlg.Item<QCheckBox>(binding.checkIds[k])->setChecked(c.checks[k] != 0);
    for (const auto& [id, text] : c.texts)
        dlg.Item<QLineEdit>(id)->setText(QString::fromLatin1(text.c_str()));
    dlg.Recalculate();
}

TEST(CliAgreement, EveryFormGivesTheDialogsTextsByteForByte) {
    const std::vector<Case> cases = Cases();
    QByteArray input;
    for (const Case& c : cases)
        input += BatchLine(c);
    QProcess cli;
    cli.start(QStringLiteral(VOLTARIS_CLI), {QStringLiteral("batch")});
    ASSERT_TRUE(cli.waitForStarted());
    cli.write(input);
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().constData();
    const QList<QByteArray> lines = cli.readAllStandardOutput().split('\n');
    ASSERT_GE(lines.size(), static_cast<qsizetype>(cases.size()));

    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const QJsonObject answer = QJsonDocument::fromJson(lines[static_cast<qsizetype>(i)]).object();
        SCOPED_TRACE(std::string(c.command->className) + " case " + std::to_string(i) + ": " +
                     BatchLine(c).toStdString());
        ASSERT_FALSE(answer.contains("error")) << answer["error"].toString().toStdString();
        std::unique_ptr<CCalcFormDlg> dlg = c.command->create();
        harness::Open(*dlg);
        RunInDialog(c, *dlg);
        const engine::FormModel& form = dlg->Form();
        const bind::FormBinding& binding = dlg->Binding();
        EXPECT_EQ(answer["form"].toString().toStdString(), form.className);
        for (size_t f = 0; f < form.fields.size(); ++f) {
            const int fieldId = binding.fieldIds[f];
            const QString id = QString::number(fieldId);
            EXPECT_EQ(answer["fields"][id].toString().toUtf8(), Utf8(harness::Text(*dlg, fieldId)))
                << form.fields[f].name;
            EXPECT_EQ(answer["enabled"][id].toBool(), harness::Enabled(*dlg, fieldId)) << form.fields[f].name;
        }
        for (const int listId : binding.listIds) {
            const QString id = QString::number(listId);
            auto* widget = dlg->Item<QListWidget>(listId);
            const QJsonArray lines = answer["lists"][id].toArray();
            ASSERT_EQ(lines.size(), widget->count());
            for (int row = 0; row < widget->count(); ++row)
                EXPECT_EQ(lines[row].toString(), widget->item(row)->text());
            // The selection the form keeps: a current line only counts when selected.
            const QListWidgetItem* current = widget->currentItem();
            EXPECT_EQ(answer["list_sel"][id].toInt(),
                      current && current->isSelected() ? widget->currentRow() : -1);
        }
        if (binding.HasStatus()) {
            EXPECT_EQ(answer["status"].toString(), dlg->Item<QLineEdit>(binding.StatusId())->text());
        }
    }
}

}  // namespace
