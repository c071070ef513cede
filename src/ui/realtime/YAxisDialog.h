#pragma once
// "Y OFFSET And Y GAINS Setup": the offset and gain lists, both starting with
// no item chosen; an unchosen list keeps its value.

#include "core/realtime/graph/GraphSetup.h"

#include <QDialog>

#include <optional>

class QComboBox;

namespace brivon::ui {

class YAxisDialog : public QDialog {
    Q_OBJECT
public:
    explicit YAxisDialog(QWidget* parent = nullptr);

    // The setting after OK, from `current` and the chosen items.
    graph::YAxisSetting chosen(graph::YAxisSetting current) const;
    QComboBox& offsetList() { return *offset_; }
    QComboBox& gainList() { return *gain_; }

    // Shows the dialog; the new setting on OK, nothing when it was closed.
    static std::optional<graph::YAxisSetting> ask(QWidget* parent, graph::YAxisSetting current);

private:
    QComboBox* offset_;
    QComboBox* gain_;
};

}  // namespace brivon::ui
