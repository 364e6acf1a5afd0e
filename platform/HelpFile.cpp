#include "platform/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace platform {

std::optional<HelpFile> HelpFile::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    HelpFile help = FromText(QString::fromUtf8(file.readAll()));
    if (help.topics_.empty())
        return std::nullopt;
    return help;
}

HelpFile HelpFile::FromText(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("<!--topic:([A-Za-z0-9_-]+)-->"));
    HelpFile help;
    QRegularExpressionMatchIterator it = marker.globalMatch(text);
    QString key;
    qsizetype start = -1;
    int order = 0;
    auto flush = [&](qsizetype end) {
        if (start < 0)
            return;
        const QString html = text.mid(start, end - start).trimmed();
        help.topics_[key] = Topic{order++, html, QTextDocumentFragment::fromHtml(html).toPlainText()};
    };
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        flush(match.capturedStart());
        key = match.captured(1);
        start = match.capturedEnd();
    }
    flush(text.size());
    return help;
}

QString HelpFile::Html(const QString& key) const {
    const auto found = topics_.find(key);
    return found == topics_.end() ? QString() : found->second.html;
}

QString HelpFile::Title(const QString& key) const {
    static const QRegularExpression heading(
        QStringLiteral("<h1[^>]*>(.*?)</h1>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = heading.match(Html(key));
    return match.hasMatch() ? QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().trimmed()
                            : key;
}

QStringList HelpFile::Keys() const {
    std::map<int, QString> byOrder;
    for (const auto& [key, topic] : topics_)
        byOrder[topic.order] = key;
    QStringList keys;
    for (const auto& [order, key] : byOrder)
        keys << key;
    return keys;
}

QStringList HelpFile::Search(const QString& query) const {
    const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QStringList found;
    if (words.isEmpty())
        return found;
    for (const QString& key : Keys()) {
        if (key == QLatin1String("contents"))
            continue;
        const QString& text = topics_.at(key).plainText;
        bool all = true;
        for (const QString& word : words)
            all = all && text.contains(word, Qt::CaseInsensitive);
        if (all)
            found << key;
    }
    return found;
}

QString HelpFilePathFor(const QString& executablePath) {
    const qsizetype slash = executablePath.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = executablePath.lastIndexOf(QLatin1Char('.'));
    if (dot > slash + 1)
        return executablePath.left(dot) + QStringLiteral(".HLP");
    return executablePath + QStringLiteral(".HLP");
}

QString FindHelpFile(const QString& executablePath) {
    const QString beside = HelpFilePathFor(executablePath);
    if (QFileInfo::exists(beside))
        return beside;
    // Installed in a prefix: <prefix>/bin/name and <prefix>/share/name/name.HLP.
    const QFileInfo helpName(beside);
    const QString name = QFileInfo(executablePath).completeBaseName();
    const QString shared =
        QDir::cleanPath(QFileInfo(executablePath)
                            .dir()
                            .filePath(QStringLiteral("../share/%1/%2").arg(name, helpName.fileName())));
    if (QFileInfo::exists(shared))
        return shared;
    return beside;
}

}  // namespace platform
