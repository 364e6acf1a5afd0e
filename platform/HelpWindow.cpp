#include "platform/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/AppLook.h"

namespace platform {

namespace {
const QString kSearchPrefix = QStringLiteral("search:");
}

HelpWindow::HelpWindow(QString helpFilePath) : QWidget(nullptr, Qt::Window), path_(std::move(helpFilePath)) {
    setObjectName(QStringLiteral("HelpWindow"));
    auto* contents = new QPushButton(tr("&Contents"), this);
    back_ = new QPushButton(tr("&Back"), this);
    forward_ = new QPushButton(tr("&Forward"), this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("Search the help"));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(tr("Search the help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setAccessibleName(tr("Help text"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
    resize(620, 520);

    connect(contents, &QPushButton::clicked, this, [this] { ShowContents(); });
    connect(back_, &QPushButton::clicked, this, [this] { Back(); });
    connect(forward_, &QPushButton::clicked, this, [this] { Forward(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (!search_->text().trimmed().isEmpty())
            Show(kSearchPrefix + search_->text().trimmed());
    });
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { OnLink(url); });
    AddKeys();
    UpdateButtons();
}

// The keys of a browser. Backspace goes back only where it deletes nothing:
// the search field takes it first.
void HelpWindow::AddKeys() {
    const struct {
        QKeySequence keys;
        void (HelpWindow::*act)();
    } keys[] = {
        {QKeySequence(Qt::Key_Escape), &HelpWindow::CloseWindow},
        {QKeySequence(Qt::CTRL | Qt::Key_W), &HelpWindow::CloseWindow},
        {QKeySequence(Qt::CTRL | Qt::Key_F), &HelpWindow::FocusSearch},
        {QKeySequence(Qt::ALT | Qt::Key_Left), &HelpWindow::Back},
        {QKeySequence(Qt::Key_Backspace), &HelpWindow::Back},
        {QKeySequence(Qt::ALT | Qt::Key_Right), &HelpWindow::Forward},
    };
    for (const auto& [sequence, act] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, act = act] { (this->*act)(); });
    }
}

void HelpWindow::CloseWindow() {
    close();
}

void HelpWindow::FocusSearch() {
    search_->setFocus(Qt::ShortcutFocusReason);
    search_->selectAll();
}

// A page keeps the link colour of the palette it was laid out in: show it
// again in the new one.
void HelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && file_ && position_ >= 0)
        Display(history_.at(position_));
}

bool HelpWindow::EnsureLoaded() {
    if (!file_)
        file_ = HelpFile::Load(path_);
    return file_.has_value();
}

bool HelpWindow::ShowTopic(int contextId) {
    return Show(QString::number(contextId));
}

bool HelpWindow::ShowContents() {
    return Show(QStringLiteral("contents"));
}

void HelpWindow::Quit() {
    hide();
    history_.clear();
    position_ = -1;
}

bool HelpWindow::Show(const QString& page) {
    if (!EnsureLoaded())
        return false;
    history_ = history_.mid(0, position_ + 1);
    history_ << page;
    position_ = static_cast<int>(history_.size()) - 1;
    Display(page);
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpWindow::CurrentPage() const {
    return position_ >= 0 ? history_.at(position_) : QString();
}

void HelpWindow::Back() {
    if (position_ > 0)
        Display(history_.at(--position_));
}

void HelpWindow::Forward() {
    if (position_ + 1 < history_.size())
        Display(history_.at(++position_));
}

void HelpWindow::Display(const QString& page) {
    QString title;
    if (page.startsWith(kSearchPrefix)) {
        browser_->setHtml(SearchResultsHtml(page.mid(kSearchPrefix.size())));
        title = tr("Search");
    } else if (file_->Has(page)) {
        browser_->setHtml(file_->Html(page));
        title = file_->Title(page);
    } else {
        browser_->setHtml(tr("<h1>No help here</h1><p>The help file has no topic %1. "
                             "<a href=\"topic:contents\">Contents</a></p>")
                              .arg(page.toHtmlEscaped()));
        title = tr("No help here");
    }
    setWindowTitle(tr("%1 Help - %2").arg(ProgramName(), title));
    UpdateButtons();
}

QString HelpWindow::SearchResultsHtml(const QString& query) const {
    const QStringList found = file_->Search(query);
    QString html = tr("<h1>Search: %1</h1>").arg(query.toHtmlEscaped());
    if (found.isEmpty())
        return html + tr("<p>No topic holds every one of these words.</p>");
    html += QStringLiteral("<ul>");
    for (const QString& key : found)
        html += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>")
                    .arg(key, file_->Title(key).toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

void HelpWindow::OnLink(const QUrl& url) {
    if (url.scheme() == QLatin1String("topic"))
        Show(url.path());
}

void HelpWindow::UpdateButtons() {
    back_->setEnabled(position_ > 0);
    forward_->setEnabled(position_ + 1 < history_.size());
}

}  // namespace platform
