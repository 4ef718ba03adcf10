#pragma once

#include <QLineEdit>

#include "ui/text_field.h"

namespace ui {

// An edit field whose text the program's routines read and write. It reports each typed
// character before the field takes it, Shift+Enter as a carriage return, and gaining the focus.
class EditField final : public QLineEdit, public ui::TextField {
    Q_OBJECT
public:
    explicit EditField(QWidget* parent = nullptr) : QLineEdit(parent) {}
    [[nodiscard]] QString fieldText() const override { return text(); }
    void setFieldText(const QString& text) override { setText(text); }

signals:
    void keyPressed(char16_t key);
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace ui
