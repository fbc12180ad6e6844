// The help viewer: a help file opened at a topic's context number.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace brisk {

inline constexpr const char* kHelpUseFile = "zrkuse55.hlp";
inline constexpr const char* kHelpRichFile = "zrkdat55.grs";

class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows `file` from the help folder at the topic `context`; a missing file is said in the viewer.
    void showTopic(const QString& file, int context);
    QTextBrowser* browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser;
};

// The program's one help viewer, created on first use.
HelpViewer* openHelp(const QString& file, int context, QWidget* parent = nullptr);

} // namespace brisk
