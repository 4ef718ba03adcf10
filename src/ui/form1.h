#pragma once

#include <QWidget>

#include "ui/handler.h"
#include "ui/shared_state.h"
#include "ui/file_dialogs.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ui {

class TEdit;
class TForm2;
class TListBox;

// The main window: the range and the row length, the scan, the list of rows and the way to the
// graph window.
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(ui::SharedState& state, ui::FailureReporter reporter = {},
                    QWidget* parent = nullptr);

    // The graph window, which the Graph button shows and redraws.
    void SetForm2(TForm2* form2) { Form2 = form2; }

    void Berechnen();

    void BitBtn1Click();
    void Edit1KeyPress(char16_t key);
    void Graph1Click();
    void ScrollBar1Change();
    void Edit3KeyPress(char16_t key);
    void BitBtn2Click();

    // The list's context menu: the selected lines to the clipboard (Ctrl+C), all lines
    // selected (Ctrl+A), the whole listing to a text file (Ctrl+S in the window).
    QAction* ListeKopieren;
    QAction* ListeAllesAuswaehlen;
    QAction* ListeSpeichern;
    void CopyLines();
    void SelectAllLines();
    void SaveList();
    void SetSaveDialog(SaveDialog dialog) { m_askWhereToSave = std::move(dialog); }

    TListBox* ListBox1;
    TEdit* Edit1;  // upper bound
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    TEdit* Edit2;  // lower bound
    QPushButton* Graph1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLabel* Label3;
    QScrollBar* ScrollBar1;
    TEdit* Edit3;  // row length
    QLabel* Label8;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ui::SharedState& m_state;
    void createActions();

    ui::FailureReporter m_report;
    SaveDialog m_askWhereToSave = AskWhereToSave;
    TForm2* Form2 = nullptr;
    bool m_activated = false;
};

}  // namespace ui
