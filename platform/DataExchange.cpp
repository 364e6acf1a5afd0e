#include "platform/DataExchange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "platform/Dialog.h"

namespace platform {

std::string ToFieldText(const QString& text) {
    QString latin = text;
    latin.replace(QChar(0x03BC), QChar(0x00B5));  // Greek mu typed for the micro sign
    const QByteArray bytes = latin.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString FromFieldText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    auto* edit = dx.Dialog().Item<QLineEdit>(id);
    if (edit == nullptr)
        return;
    if (dx.Saving()) {
        value = ToFieldText(edit->text());
        return;
    }
    const QString text = FromFieldText(value);
    if (edit->text() != text)
        edit->setText(text);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& index) {
    const std::vector<int> ids = dx.Dialog().RadioGroupIds(firstId);
    if (dx.Saving()) {
        index = -1;
        for (size_t i = 0; i < ids.size(); ++i) {
            auto* radio = dx.Dialog().Item<QRadioButton>(ids[i]);
            if (radio && radio->isChecked()) {
                index = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (size_t i = 0; i < ids.size(); ++i) {
        auto* radio = dx.Dialog().Item<QRadioButton>(ids[i]);
        if (radio == nullptr)
            continue;
        // An exclusive group refuses to uncheck its checked button.
        QButtonGroup* group = radio->group();
        const bool exclusive = group && group->exclusive();
        if (exclusive)
            group->setExclusive(false);
        radio->setChecked(static_cast<int>(i) == index);
        if (exclusive)
            group->setExclusive(true);
    }
}

void DDX_Check(CDataExchange& dx, int id, int& state) {
    auto* check = dx.Dialog().Item<QCheckBox>(id);
    if (check == nullptr)
        return;
    if (dx.Saving()) {
        state = check->checkState() == Qt::Checked ? 1 : check->checkState() == Qt::PartiallyChecked ? 2 : 0;
        return;
    }
    if (state < 0 || state > 2)
        state = 0;
    if (state == 2)
        check->setTristate(true);
    check->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void DDX_LBString(CDataExchange& dx, int id, std::string& value) {
    auto* list = dx.Dialog().Item<QListWidget>(id);
    if (list == nullptr)
        return;
    if (dx.Saving()) {
        const QListWidgetItem* item = list->currentItem();
        value = item && item->isSelected() ? ToFieldText(item->text()) : std::string();
        return;
    }
    const QString prefix = FromFieldText(value);
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) {
            list->setCurrentRow(row);
            return;
        }
    }
}

}  // namespace platform
