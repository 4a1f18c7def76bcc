// Brush chooser.
#include "THBXZForm.h"

#include "DialogParts.h"

#include "core/commands/Messages.h"
#include "core/platform/Platform.h"
#include "core/text/CandidateFile.h"
#include "core/text/GbkByteLimit.h"
#include "core/text/GbkText.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

THBXZForm::THBXZForm(Platform& platform, const std::optional<QStringList>& candidates, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
    setObjectName(QStringLiteral("HBXZForm"));
    setWindowTitle(QStringLiteral("画笔选择"));
    setModal(true);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    setFont(font);

    Label1 = new QLabel(QStringLiteral("画笔文字："));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(QStringLiteral("画"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setValidator(new GbkByteLimit(2, Edit1));
    Edit1->setFixedWidth(60);
    Edit1->installEventFilter(this);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setPlainText(QStringLiteral("↖↗↘↙∈∏∑∕√∝∞∟∠∣∥∧∨∩∪∫∮\n"
                                       "∴∵∶∷∽≈≌≒≠≡≤≥≦≧≮≯⊕⊙⊥⊿⌒\n"
                                       "①②③④⑤⑥⑦⑧⑨⑩⑴⑵⑶⑷"));
    Memo1->setFixedSize(281, 193);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->viewport()->installEventFilter(this);
    Button3 = namedButton(QStringLiteral("保存"), "Button3");
    const OkCancel buttons;
    Button2 = buttons.ok;
    Button1 = buttons.cancel;
    connect(Button3, &QPushButton::clicked, this, &THBXZForm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &THBXZForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &THBXZForm::Button1Click);

    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(Edit1);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Memo1, 0, Qt::AlignHCenter);
    layout->addLayout(buttons.row({Button3}));
    setFixedSize(sizeHint().expandedTo(QSize(314, 270)));

    if (candidates) Memo1->setPlainText(candidates->join(QLatin1Char('\n')));
}

std::optional<QStringList> THBXZForm::readCandidates(Platform& platform) {
    const QString dir = platform.programDir();
    const QString path =
        candidates::readPath(dir, candidates::programDirWritable(dir), platform.userConfigDir());
    std::optional<FileError> error;
    QStringList lines = candidates::read(path, &error);
    if (error) {
        platform.messageBox(messages::cannotReadCandidates(path, *error), messages::kCaption,
                            MessageButtons::Ok, MessageKind::Warning);
        return std::nullopt;
    }
    return lines;
}

QStringList THBXZForm::memoLines() const {
    return Memo1->toPlainText().split(QLatin1Char('\n'));
}

void THBXZForm::showEvent(QShowEvent* event) {
    Confirmed = 0;
    // Every opening starts in the box with its text selected: the box is full, so typing must replace
    // it, and Enter must be OK even when a button was clicked last time.
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
    m_selectOnFocus = true;
    QDialog::showEvent(event);
}

bool THBXZForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease) Memo1MouseUp();
    // The line edit drops its selection when its window is activated before it has the focus: until
    // the user types or clicks into it, the focus arriving selects the text again.
    if (watched == Edit1) {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            m_selectOnFocus = false;
        else if (event->type() == QEvent::FocusIn && m_selectOnFocus)
            Edit1->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

void THBXZForm::Memo1MouseUp() {
    const QString picked = Memo1->textCursor().selectedText();
    // Whole characters only, as many as two bytes hold: a brush never holds half a character.
    if (!picked.isEmpty()) Edit1->setText(gbkPrefix(picked, 2));
}

void THBXZForm::Button3Click() {
    const QString dir = m_platform.programDir();
    const QString path =
        candidates::writePath(dir, candidates::programDirWritable(dir), m_platform.userConfigDir());
    if (const std::optional<FileError> problem = candidates::write(path, memoLines()))
        m_platform.messageBox(messages::cannotSaveCandidates(path, *problem), messages::kCaption,
                              MessageButtons::Ok, MessageKind::Error);
}

void THBXZForm::Button2Click() {
    Confirmed = 1;
    accept();
}

void THBXZForm::Button1Click() {
    Confirmed = 0;
    reject();
}
