#pragma once

#include <QDialog>

class QTextBrowser;

namespace ui {

// "Hilfe zu Primzeilen": what the program shows and how to read it, every key, and the
// program's version and licence. Esc or its close button closes it.
class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    [[nodiscard]] QTextBrowser* text() const { return m_text; }

private:
    QTextBrowser* m_text;
};

// The help window of a program window, made at its first use, shown and in front.
HelpWindow* showHelp(QWidget& window);

// The help's text as HTML.
[[nodiscard]] QString helpHtml();

}  // namespace ui
