#include "form1.h"

#include <QFont>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "analysis/berechnen.h"
#include "ui/edit_field.h"
#include "ui/list_box_model.h"

namespace ui {

namespace {

template <class Widget>
Widget* place(QWidget* parent, const char* name, QRect geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* l = place<QLabel>(parent, name, geometry);
    l->setText(text);
    return l;
}

}  // namespace

TForm1::TForm1(shell::SharedState& state, FailureReporter reporter, QWidget* parent)
    : QWidget(parent), m_state(state), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Häufigkeit von Primzahlen"));
    resize(967, 678);
    if (!m_report) {
        m_report = [this](const QString& message) {
            QMessageBox::critical(this, windowTitle(), message);
        };
    }

    auto* from = label(this, "Label1", {9, 14, 114, 16}, QStringLiteral("Primzahlen von : "));
    auto* to = label(this, "Label2", {209, 14, 24, 16}, QStringLiteral("bis "));
    auto* length = label(this, "Label5", {520, 59, 107, 16}, QStringLiteral("Zahlen pro Zeile"));
    label(this, "Label8", {8, 32, 80, 16}, QStringLiteral("<10 000 001"));

    BitBtn1 = place<QPushButton>(this, "BitBtn1", {336, 8, 113, 33});
    BitBtn1->setText(QStringLiteral("&Berechnen"));
    Edit2 = place<TEdit>(this, "Edit2", {128, 12, 65, 24});
    Edit2->setText(QStringLiteral("1"));
    Edit1 = place<TEdit>(this, "Edit1", {240, 12, 73, 24});
    Edit1->setText(QStringLiteral("45000"));
    Edit3 = place<TEdit>(this, "Edit3", {480, 56, 33, 24});
    Edit3->setText(QStringLiteral("90"));
    from->setBuddy(Edit2);
    to->setBuddy(Edit1);
    length->setBuddy(Edit3);
    Edit2->setAccessibleName(QStringLiteral("Primzahlen von"));
    Edit1->setAccessibleName(QStringLiteral("bis"));
    Edit3->setAccessibleName(QStringLiteral("Zahlen pro Zeile"));

    ListBox1 = place<QListView>(this, "ListBox1", {0, 96, 967, 582});
    ListBox1->setUniformItemSizes(true);
    ListBox1->setFocusPolicy(Qt::ClickFocus);
    QFont listFont(QStringLiteral("Liberation Mono"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setPixelSize(15);
    listFont.setBold(true);
    ListBox1->setFont(listFont);
    ListBox1Items = new ListBoxModel(this);
    ListBox1->setModel(ListBox1Items);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    BitBtn1->setFocus();
}

void TForm1::Berechnen() {
    analysis::Berechnen({*Edit1, *Edit2, *Edit3, *ListBox1Items}, m_state);
}

void TForm1::BitBtn1Click() {
    try {
        Berechnen();
        m_state.Berechnet = 1;
    } catch (const shell::Failure& failure) {
        m_report(failure.message());
    }
}

}  // namespace ui
