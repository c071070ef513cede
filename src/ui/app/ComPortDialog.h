#pragma once
// "COM Port Setup": the number of a port from 5 to 16 for the "Other COM" entry.

#include <QDialog>

#include <optional>

class QLineEdit;

namespace brivon::ui {

class ComPortDialog : public QDialog {
    Q_OBJECT
public:
    ComPortDialog(int startNumber, QWidget* parent = nullptr);

    // The number on OK (any integer; the caller takes only 5-16), nothing on Cancel.
    static std::optional<int> ask(QWidget* parent, int startNumber);

    QLineEdit& numberEdit() { return *number_; }
    int number() const;

protected:
    void accept() override;

private:
    QLineEdit* number_;
};

}  // namespace brivon::ui
