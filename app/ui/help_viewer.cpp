#include "app/ui/help_viewer.h"

#include "app/ui/program_state.h"
#include "app/ui/twips.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace brisk {

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpViewer");
    setWindowTitle("Brisklane Help");
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(false);
    auto* close = new QPushButton("&Close", this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(twipSize(8400, 7200));
}

void HelpViewer::showTopic(const QString& file, int context) {
    const QString path = QDir(program().helpFolder).filePath(file);
    if (!QFileInfo::exists(path)) {
        m_browser->setHtml(
            QString("<h3>Help is not available</h3><p>The help file <b>%1</b> was not found in "
                    "<tt>%2</tt>.</p>")
                .arg(file.toHtmlEscaped(), program().helpFolder.toHtmlEscaped()));
        return;
    }
    // The help files are HTML; each topic starts at the anchor named after its context number.
    QUrl url = QUrl::fromLocalFile(path);
    m_browser->setSource(url, QTextDocument::HtmlResource);
    m_browser->scrollToAnchor(QString("context-%1").arg(context));
}

HelpViewer* openHelp(const QString& file, int context, QWidget* parent) {
    static QPointer<HelpViewer> viewer;
    // The viewer belongs to the window it is opened from: over a modal dialog it must be the
    // dialog's own to take clicks and keys.
    QWidget* owner = parent ? parent->window() : nullptr;
    if (!viewer)
        viewer = new HelpViewer(owner);
    else if (owner && viewer->parentWidget() != owner && owner != viewer)
        viewer->setParent(owner, viewer->windowFlags());
    viewer->showTopic(file, context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace brisk
