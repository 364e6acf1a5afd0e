#include "forms/FormAccessibility.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <optional>

#include "platform/Dialog.h"
#include "platform/HelpFile.h"

namespace {

QString PlainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// "across C2" after "voltage across C1" reads "voltage across C2": the words
// the first part has before the one this part starts with.
QString CompletedPart(const QString& first, const QString& part) {
    const QStringList firstWords = first.split(QLatin1Char(' '));
    const qsizetype start = firstWords.indexOf(part.section(QLatin1Char(' '), 0, 0));
    if (start <= 0)
        return part;
    return QStringList(firstWords.mid(0, start)).join(QLatin1Char(' ')) + QLatin1Char(' ') + part;
}

}  // namespace

std::map<QString, QString> HelpFieldDescriptions(const QString& topicHtml) {
    static const QRegularExpression heading(QStringLiteral("<h2[^>]*>\\s*Fields\\s*</h2>"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression row(
        QStringLiteral("<tr[^>]*>\\s*<td[^>]*>(.*?)</td>\\s*<td[^>]*>(.*?)</td>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    std::map<QString, QString> descriptions;
    const QRegularExpressionMatch found = heading.match(topicHtml);
    if (!found.hasMatch())
        return descriptions;
    const qsizetype end =
        topicHtml.indexOf(QStringLiteral("</table>"), found.capturedEnd(), Qt::CaseInsensitive);
    const QString table = topicHtml.mid(found.capturedEnd(), end < 0 ? -1 : end - found.capturedEnd());
    for (QRegularExpressionMatchIterator it = row.globalMatch(table); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QStringList names =
            PlainText(match.captured(1)).split(QStringLiteral(", "), Qt::SkipEmptyParts);
        const QString quantity = PlainText(match.captured(2));
        const QStringList parts = quantity.split(QStringLiteral(", "));
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (quantity.isEmpty())
                continue;
            descriptions[names[i]] = names.size() > 1 && parts.size() == names.size()
                                         ? (i == 0 ? parts[0] : CompletedPart(parts[0], parts[i]))
                                         : quantity;
        }
    }
    return descriptions;
}

const platform::HelpFile* ProgramHelpFile() {
    static const std::optional<platform::HelpFile> file =
        platform::HelpFile::Load(platform::FindHelpFile(QCoreApplication::applicationFilePath()));
    return file ? &*file : nullptr;
}

void DescribeFields(platform::CDialog& dialog, const platform::HelpFile* help, int topic) {
    if (help == nullptr)
        return;
    const std::map<QString, QString> descriptions = HelpFieldDescriptions(help->Html(QString::number(topic)));
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        const auto description = descriptions.find(edit->accessibleName().simplified());
        if (description != descriptions.end())
            edit->setAccessibleDescription(description->second);
    }
}

QString ResultsDescription(const platform::CDialog& dialog) {
    QStringList results;
    for (const platform::ControlTemplate& control : dialog.Template().controls) {
        const auto* edit = qobject_cast<const QLineEdit*>(dialog.GetDlgItem(control.id));
        if (edit != nullptr && !edit->isEnabled() && !edit->accessibleName().isEmpty())
            results << edit->accessibleName() + QStringLiteral(" = ") + edit->text().trimmed();
    }
    return results.isEmpty() ? QString() : QStringLiteral("Results: ") + results.join(QStringLiteral(", "));
}

void DescribeResults(platform::CDialog& dialog) {
    const QString results = ResultsDescription(dialog);
    if (dialog.accessibleDescription() != results)
        dialog.setAccessibleDescription(results);
}
