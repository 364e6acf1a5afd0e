#pragma once
// The help viewer: a separate top-level window, usable while a dialog runs
// modally, that shows the topics of the help file with back and forward,
// topic links and a word search. The file is read on the first request.

#include <QWidget>
#include <optional>

#include "platform/HelpFile.h"
#include "platform/HelpService.h"

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace platform {

class HelpWindow : public QWidget, public IHelpViewer {
  public:
    explicit HelpWindow(QString helpFilePath);

    bool ShowTopic(int contextId) override;
    bool ShowContents() override;
    void Quit() override;

    // A topic key, or "search:<words>" for a page of search results.
    bool Show(const QString& page);
    QString CurrentPage() const;
    void Back();
    void Forward();
    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* SearchField() const { return search_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void AddKeys();
    void CloseWindow();
    void FocusSearch();
    bool EnsureLoaded();
    void Display(const QString& page);
    QString SearchResultsHtml(const QString& query) const;
    void OnLink(const QUrl& url);
    void UpdateButtons();

    QString path_;
    std::optional<HelpFile> file_;
    QStringList history_;
    int position_ = -1;
    QTextBrowser* browser_;
    QLineEdit* search_;
    QPushButton* back_;
    QPushButton* forward_;
};

}  // namespace platform
