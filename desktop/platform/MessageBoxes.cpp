// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace zodrivel {

namespace {
QMessageBox::Icon toQt(MessageIcon icon) {
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}
}  // namespace

void QtMessageBoxes::show(const QString& text, MessageIcon icon, QWidget* parent) {
    QMessageBox box(toQt(icon), QString::fromUtf8(ApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const QString& text, MessageIcon icon, QWidget* parent) {
    QMessageBox box(toQt(icon), QString::fromUtf8(ApplicationTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<int> QtMessageBoxes::askChoice(const QString& text, const QStringList& answers,
                                             QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(ApplicationTitle), text,
                    QMessageBox::Cancel, parent);
    std::vector<QAbstractButton*> buttons;
    for (const QString& answer : answers) {
        buttons.push_back(box.addButton(answer, QMessageBox::AcceptRole));
    }
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    const auto chosen = std::ranges::find(buttons, box.clickedButton());
    if (chosen == buttons.end()) return std::nullopt;
    return static_cast<int>(chosen - buttons.begin());
}

std::unique_ptr<QMessageBox> copyableBox(const QString& text, const QString& detail,
                                         QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, QString::fromUtf8(ApplicationTitle),
                                      text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(detail);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

void QtMessageBoxes::showCopyable(const QString& text, const QString& detail, QWidget* parent) {
    copyableBox(text, detail, parent)->exec();
}

std::unique_ptr<QMessageBox> saveChangesBox(const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Warning, QString::fromUtf8(ApplicationTitle), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // Qt's own captions carry no access letter on every platform style.
    box->button(QMessageBox::Save)->setText(QCoreApplication::translate("SaveChangesBox", "&Save"));
    box->button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("SaveChangesBox", "&Discard"));
    box->button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("SaveChangesBox", "&Cancel"));
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

SaveChoice QtMessageBoxes::askSaveChanges(const QString& text, QWidget* parent) {
    const auto box = saveChangesBox(text, parent);
    switch (box->exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
    }
}

}  // namespace zodrivel
