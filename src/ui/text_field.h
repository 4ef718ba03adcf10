#pragma once

#include <QString>
#include <utility>

namespace ui {

// The text of an edit field, as the code that reads and writes fields sees it. The windows'
// edit fields implement it; tools and tests use PlainTextField.
class TextField {
public:
    virtual ~TextField() = default;
    [[nodiscard]] virtual QString fieldText() const = 0;
    virtual void setFieldText(const QString& text) = 0;
};

class PlainTextField final : public TextField {
public:
    explicit PlainTextField(QString text = {}) : m_text(std::move(text)) {}
    [[nodiscard]] QString fieldText() const override { return m_text; }
    void setFieldText(const QString& text) override { m_text = text; }

private:
    QString m_text;
};

}  // namespace ui
