// The brush chooser: the brush text typed in, or picked from a memo of
// candidate characters that can be saved for the next start.
#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class Platform;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class THBXZForm : public QDialog {
    Q_OBJECT
public:
    // The memo starts with the candidate lines, or with its default lines without them.
    THBXZForm(Platform& platform, const std::optional<QStringList>& candidates, QWidget* parent = nullptr);

    // The candidate file's lines; a file that cannot be read is said, and gives none.
    static std::optional<QStringList> readCandidates(Platform& platform);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button3 = nullptr; // 保存
    QPushButton* Button2 = nullptr; // OK
    QPushButton* Button1 = nullptr; // Cancel

    int Confirmed = 0;

    // The memo's lines as shown.
    QStringList memoLines() const;

public Q_SLOTS:
    void Button3Click();
    void Button2Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Memo1MouseUp();

    Platform& m_platform;
    bool m_selectOnFocus = false; // the box was opened and not yet typed or clicked into
};
