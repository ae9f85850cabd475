#include "info/info_page.h"

#include <QKeyEvent>
#include <QLabel>

#include "app/bmp_image.h"
#include "app/scaling.h"
#include "app/style.h"
#include "core/data_fs.h"

namespace glosbo::info {

InfoPage::InfoPage(core::AppState& state, app::Services& services, const char* objectName,
                   const QString& title, const QColor& background, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    LasUppButton = new app::ReadAloudButton(this, services.speech, state.settings);
    LasUppButton->text = [this] {
        core::ShownQuestion page;
        page.shown = app::ReadAloudButton::visibleTexts(*this);
        return core::readAloud(page);
    };
    resize(screen().size());
}

// The button stays in the top right corner, above what the page draws.
void InfoPage::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LasUppButton->resize(LasUppButton->sizeHint());
    const int margin = scaled(8);
    LasUppButton->move(width() - LasUppButton->width() - margin, margin);
    LasUppButton->raise();
}

QRect InfoPage::screen() const {
    return app::screenRect(m_state.screen);
}

int InfoPage::scaled(int pixels) const {
    return app::mulDiv(pixels, m_state.screen.scalePercent(), 100);
}

QPushButton* InfoPage::makeButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(app::style::arialBold(scaled(17)));
    QString name = caption;
    button->setAccessibleName(name.remove('&'));
    button->setAutoDefault(false);
    button->resize(scaled(150), scaled(34));
    return button;
}

QLabel* InfoPage::makeLabel(const QString& text, const char* objectName, int pixelSize, bool bold,
                            QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(bold ? app::style::arialBold(scaled(pixelSize))
                        : app::style::arial(scaled(pixelSize)));
    return label;
}

QImage InfoPage::picture(std::string_view relative) const {
    const auto path = core::findDataFile(m_state.roots(), relative);
    if (!path) return {};
    return app::readBmp(QString::fromStdString(*path));
}

QImage InfoPage::fitted(const QImage& image, QSize room) {
    if (image.isNull() || room.isEmpty()) return {};
    const QSize size = image.size().scaled(room, Qt::KeepAspectRatio);
    if (size.width() <= image.width()) return app::shrinkToFit(image, room);
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void InfoPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace glosbo::info
