#include "ui/panel/CMeterPanel.h"

#include "core/panel/PanelLayout.h"
#include "ui/draw/QtCanvas.h"
#include "ui/link/QtTimers.h"
#include "ui/panel/PictureButton.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

// The pictures are compiled into a static library: registering them here makes
// sure the linker keeps them wherever the panel is used. (Not allowed inside a namespace.)
static bool registerPanelPictures()
{
    Q_INIT_RESOURCE(brivon);
    return true;
}

namespace brivon::ui {
namespace {

// Where the panel sits in its parent's client area.
constexpr int kPanelTop = 31;
constexpr int kPanelHeightMargin = 50;

QString picturePath(const char* imageName)
{
    static const bool registered = registerPanelPictures();
    (void)registered;
    return QStringLiteral(":/images/%1.png").arg(QLatin1String(imageName));
}

QRect displayRect()
{
    const draw::Rect& r = panel::kDisplayRect;
    return QRect(r.left, r.top, r.width(), r.height());
}

}  // namespace

CMeterPanel::CMeterPanel(link::SerialLink& link, QWidget* parent)
    : CMeterPanel(link, nullptr, parent)
{
}

CMeterPanel::CMeterPanel(link::SerialLink& link, platform::Timers& timers, QWidget* parent)
    : CMeterPanel(link, &timers, parent)
{
}

CMeterPanel::CMeterPanel(link::SerialLink& link, platform::Timers* externalTimers, QWidget* parent)
    : QDialog(parent)
    , ownTimers_(externalTimers ? nullptr : std::make_unique<QtTimers>())
    , keys_(link, externalTimers ? *externalTimers : *ownTimers_)
    , faceBrush_(QPixmap(picturePath("meter-face")))
{
    // A child inside the main window, not a window of its own (a QDialog
    // constructed with Qt::Widget still becomes a dialog window).
    setWindowFlags(Qt::Widget);
    // Every paint covers its whole region with the face, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(panel::kPanelWidth, panel::kFaceHeight);
    createButtons();
}

CMeterPanel::~CMeterPanel() = default;

void CMeterPanel::createButtons()
{
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const panel::PanelButton& entry = panel::panelButtons()[i];
        const bool isPowerOff = entry.id == panel::PanelButtonId::PowerOff;
        const QRect geometry(entry.position.x, entry.position.y, entry.width, entry.height);
        auto* button = new PictureButton(QPixmap(picturePath(entry.imageName)), geometry, !isPowerOff, this);
        button->setObjectName(QString::fromLatin1(entry.label));
        buttons_[i] = button;
        const panel::PanelButtonId id = entry.id;
        if (isPowerOff) {
            connect(button, &QAbstractButton::clicked, this, &CMeterPanel::powerOffClicked);
            continue;
        }
        connect(button, &QAbstractButton::clicked, this, [this, id] { keys_.clicked(id); });
        connect(button, &PictureButton::doubleClicked, this, [this, id] { keys_.doubleClicked(id); });
    }
}

PictureButton* CMeterPanel::button(panel::PanelButtonId id) const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (panel::panelButtons()[i].id == id) return buttons_[i];
    return nullptr;
}

void CMeterPanel::placeInClientArea(int clientHeight)
{
    setGeometry(0, kPanelTop, panel::kPanelWidth, clientHeight - kPanelHeightMargin);
    raise();
    show();
}

void CMeterPanel::showReading(const link::Reading& reading)
{
    display_.showReading(reading);
    repaintDisplay();
}

void CMeterPanel::setStatusText(const std::string& text)
{
    display_.setStatusText(text);
    repaintDisplay();
}

void CMeterPanel::setOffline(bool offline)
{
    if (display_.offline() == offline) return;
    display_.setOffline(offline);
    repaintDisplay();
}

void CMeterPanel::repaintDisplay()
{
    update(displayRect());
}

void CMeterPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), faceBrush_);
    ui::QtCanvas canvas(painter);
    painter_.paint(canvas, display_, width(), height());
}

void CMeterPanel::keyPressEvent(QKeyEvent* event)
{
    // Neither closes the panel nor presses a key.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

}  // namespace brivon::ui
