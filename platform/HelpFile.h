#pragma once
// The help file: UTF-8 HTML in which each topic starts with a marker line
// "<!--topic:KEY-->", KEY being a context id ("220") or "contents". Links
// between topics are written href="topic:KEY".

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace platform {

class HelpFile {
  public:
    // Null when the file cannot be read or holds no topic.
    static std::optional<HelpFile> Load(const QString& path);
    static HelpFile FromText(const QString& text);

    bool Has(const QString& key) const { return topics_.count(key) != 0; }
    // The topic's HTML, empty for an unknown key.
    QString Html(const QString& key) const;
    // The text of the topic's first <h1>, or the key.
    QString Title(const QString& key) const;
    QStringList Keys() const;
    // Keys of the topics whose text holds every word of the query
    // (case-insensitive), contents page excluded, in file order.
    QStringList Search(const QString& query) const;

  private:
    struct Topic {
        int order;
        QString html;
        QString plainText;
    };
    std::map<QString, Topic> topics_;
};

// The help file of an executable: its path with the extension (from the
// last dot of the file name) replaced by ".HLP", or ".HLP" appended.
QString HelpFilePathFor(const QString& executablePath);
// Where the executable's help file is: beside it, else in the share folder
// of its installation prefix (../share/<name>/); the first path when neither
// exists, so that the failure names the usual place.
QString FindHelpFile(const QString& executablePath);

}  // namespace platform
