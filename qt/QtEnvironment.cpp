#include "qt/QtEnvironment.hpp"

#include "qt/FormView.hpp"
#include "qt/Twips.hpp"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vantor::qt {

namespace {

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    int32_t answer;
};

std::vector<ButtonAnswer> ButtonsOf(int32_t buttons) {
    using B = QMessageBox;
    switch (buttons & 7) {
    case msgbox::OkCancel:
        return {{B::Ok, msgbox::Ok}, {B::Cancel, msgbox::Cancel}};
    case msgbox::AbortRetryIgnore:
        return {{B::Abort, msgbox::Abort}, {B::Retry, msgbox::Retry}, {B::Ignore, msgbox::Ignore}};
    case msgbox::YesNoCancel:
        return {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}, {B::Cancel, msgbox::Cancel}};
    case msgbox::YesNo:
        return {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}};
    case msgbox::RetryCancel:
        return {{B::Retry, msgbox::Retry}, {B::Cancel, msgbox::Cancel}};
    default:
        return {{B::Ok, msgbox::Ok}};
    }
}

QMessageBox::Icon IconOf(int32_t buttons) {
    switch (buttons & 0x70) {
    case msgbox::Critical:
        return QMessageBox::Critical;
    case msgbox::Question:
        return QMessageBox::Question;
    case msgbox::Exclamation:
        return QMessageBox::Warning;
    case msgbox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int32_t QtEnvironment::MessageBox(const std::string& prompt, int32_t buttons,
                                  const std::string& title) {
    int32_t answer = FirstAnswer(buttons);
    if (!m_bUnattended) {
        QMessageBox box(
            IconOf(buttons), QString::fromStdString(title.empty() ? std::string("Vantor") : title),
            QString::fromStdString(prompt), QMessageBox::NoButton, QApplication::activeWindow());
        const std::vector<ButtonAnswer> set = ButtonsOf(buttons);
        for (const ButtonAnswer& b : set) {
            box.addButton(b.button);
        }
        // Bits 8 and 9 choose the default button: the first, second or third.
        const size_t defaultIndex = static_cast<size_t>((buttons >> 8) & 3);
        if (defaultIndex < set.size()) {
            box.setDefaultButton(set[defaultIndex].button);
        }
        const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
        answer = set.back().answer; // closing the box is its last button (Cancel, No)
        for (const ButtonAnswer& b : set) {
            if (b.button == chosen) {
                answer = b.answer;
            }
        }
    }
    m_messages.push_back({prompt, buttons, title, answer});
    return answer;
}

QtEnvironment::QtEnvironment(bool unattended) : m_bUnattended(unattended) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    QObject::connect(&m_idle, &QTimer::timeout, &m_idle, [this] {
        RunPosted();
        if (PostedCount() > 0) {
            m_idle.start();
        }
    });
}

void QtEnvironment::DoEvents() {
    RunPosted();
    // What this pass posted waits for the next one: the idle run must not
    // take it while Qt's events are processed here.
    m_idle.stop();
    QCoreApplication::processEvents();
    if (PostedCount() > 0) {
        m_idle.start();
    }
}

void QtEnvironment::Post(std::function<void()> work) {
    Environment::Post(std::move(work));
    m_idle.start();
}

std::optional<std::string> QtEnvironment::BrowseForFolder(const std::string& title,
                                                          const std::string& initialPath) {
    if (m_bUnattended) {
        return std::nullopt;
    }
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(),
                                                             QString::fromStdString(title),
                                                             QString::fromStdString(initialPath));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder.toStdString();
}

void QtEnvironment::ShowModal(Form& form) {
    form.Load();
    if (m_bUnattended) {
        form.Unload();
        return;
    }
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(form.Caption()));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new FormView(form, ScreenDpi(), &dialog);
    layout->addWidget(view);
    dialog.setFixedSize(dialog.sizeHint());
    // The form closes itself when one of its buttons unloads it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&dialog, &form] {
        if (form.Unloaded()) {
            dialog.accept();
        }
    });
    poll.start(50);
    dialog.exec();
    if (!form.Unloaded()) {
        form.Unload(); // closed by the window's own close button
    }
}

} // namespace vantor::qt
