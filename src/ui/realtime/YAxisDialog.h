#pragma once
// "Y OFFSET And Y GAINS Setup": the current setting in words above the offset
// and gain lists, both starting with no item chosen; an unchosen list keeps its value. OK takes the choice,
// Cancel or closing the dialog changes nothing.

#include "core/graph/YAxisSetting.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;

namespace brivon::ui {

class YAxisDialog : public QDialog {
    Q_OBJECT
public:
    explicit YAxisDialog(graph::YAxisSetting current, QWidget* parent = nullptr);

    // The setting after OK, from the current one and the chosen items.
    graph::YAxisSetting chosen() const;
    QString currentText() const;
    QComboBox& offsetList() { return *offset_; }
    QComboBox& gainList() { return *gain_; }

    // Shows the dialog; the new setting on OK, nothing on Cancel, Escape or closing.
    static std::optional<graph::YAxisSetting> ask(QWidget* parent, graph::YAxisSetting current);

private:
    graph::YAxisSetting current_;
    QLabel* currentText_;
    QComboBox* offset_;
    QComboBox* gain_;
};

}  // namespace brivon::ui
