#pragma once

#include <QLineEdit>

#include "shell/text_field.h"

namespace ui {

// An edit field whose text the program's routines read and write.
class TEdit final : public QLineEdit, public shell::TextField {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}
    [[nodiscard]] QString Text() const override { return text(); }
    void SetText(const QString& text) override { setText(text); }
};

}  // namespace ui
