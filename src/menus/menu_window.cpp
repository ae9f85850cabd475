#include "menus/menu_window.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"
#include "app/window_registry.h"
#include "core/cp1252.h"
#include "menus/menu_dispatch.h"

namespace glosbo::menus {

using namespace app::style;

namespace {

// Design measures, for a 640 x 480 screen.
struct Design {
    int titlePixels;
    int buttonPixels;
    int buttonHeight;
    int firstButtonTop;
};
constexpr Design kOrdinary{24, 16, 28, 40};
constexpr Design kLarge{30, 22, 35, 50};
constexpr int kMargin = 8; // panel edge to buttons: the bevel and a little room
constexpr int kMinButtonWidth = 205;
constexpr int kMaxButtonWidth = 409;
// Room beside a caption inside its button.
constexpr int kCaptionPadding = 24;

} // namespace

MenuWindow::MenuWindow(const Menu& menu, core::AppState& state, app::Services& services,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_menu(menu), m_state(state),
      m_services(services) {
    setObjectName(QString::fromStdString(menu.name));
    setWindowTitle(QString::fromStdString(menu.title));
    buildComponents();
    FormCreate();
}

void MenuWindow::buildComponents() {
    Design design = m_menu.large ? kLarge : kOrdinary;
    if (m_menu.name == "TF1") design.buttonPixels = 19;

    // The captions are the program's own UTF-8; the measure takes the code
    // page the data is in.
    const auto textWidth = [this](const std::string& utf8, int pixels) {
        return m_services.measure.widthPx(core::utf8ToCp1252Lossy(utf8), pixels);
    };
    int buttonWidth = kMinButtonWidth;
    for (const MenuEntry& entry : m_menu.entries)
        buttonWidth =
            std::max(buttonWidth, textWidth(entry.caption, design.buttonPixels) + kCaptionPadding);
    // The title has the panel less a letter unit; a title wider than the
    // entries widens the menu rather than being cut off.
    const int titleRoom =
        textWidth(m_menu.title, design.titlePixels) + m_state.screen.letterUnit() + 4;
    buttonWidth = std::clamp(std::max(buttonWidth, titleRoom - 2 * kMargin), kMinButtonWidth,
                             kMaxButtonWidth);

    const int count = int(m_menu.entries.size());
    const int panelWidth = buttonWidth + 2 * kMargin;
    const int panelHeight = design.firstButtonTop + count * design.buttonHeight + kMargin;
    resize(panelWidth, panelHeight);

    Panel1 = new app::Panel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setColor(kNavy);
    Panel1->setBevelWidth(3);
    // A dark outline sets the menu off from the navy menu panel beneath it.
    Panel1->setSingleBorder(true);
    Panel1->setGeometry(0, 0, panelWidth, panelHeight);

    Label1 = new QLabel(QString::fromStdString(m_menu.title), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arialBold(design.titlePixels));
    QPalette titleColours = Label1->palette();
    titleColours.setColor(QPalette::WindowText, kYellow);
    Label1->setPalette(titleColours);
    Label1->setAlignment(Qt::AlignCenter);
    const int titleHeight = QFontMetrics(Label1->font()).height();
    Label1->setGeometry(kMargin, (design.firstButtonTop - titleHeight) * 6 / 10,
                        panelWidth - 2 * kMargin, titleHeight);

    for (int i = 0; i < count; ++i) {
        const MenuEntry& entry = m_menu.entries[std::size_t(i)];
        auto* button = new QPushButton(QString::fromStdString(entry.caption), Panel1);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setFont(arialBold(design.buttonPixels));
        // Black text; a disabled entry keeps the style's grey.
        QPalette colours = button->palette();
        colours.setColor(QPalette::Active, QPalette::ButtonText, kBlack);
        colours.setColor(QPalette::Inactive, QPalette::ButtonText, kBlack);
        button->setPalette(colours);
        button->setGeometry(kMargin, design.firstButtonTop + i * design.buttonHeight, buttonWidth,
                            design.buttonHeight);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, i] { ButtonClick(i); });
        m_buttons.push_back(button);
    }
}

void MenuWindow::FormCreate() {
    if (m_state.screen.scalePercent() != 100)
        app::scaleWidgets(*this, m_state.screen.scalePercent());
    const int unit = m_state.screen.letterUnit();
    Label1->setGeometry(unit / 2, Label1->y(), Panel1->width() - unit, Label1->height());

    const bool worksheets = m_state.runMode == core::RunMode::Worksheet;
    Panel1->setColor(worksheets ? kMaroon : kNavy);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setEnabled(!(worksheets && m_menu.entries[i].worksheetDisabled));
}

void MenuWindow::ButtonClick(int index) {
    const MenuEntry& entry = m_menu.entries.at(std::size_t(index));
    if (entry.kind == EntryKind::Back) {
        reject();
        return;
    }
    runEntry(entry, app::WindowContext{m_state, m_services, this});
}

void MenuWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        // Esc presses the back button, whatever has the focus.
        m_buttons.back()->click();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The arrows walk the column of buttons, skipping disabled ones.
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void MenuWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const auto first = std::find_if(m_buttons.begin(), m_buttons.end(),
                                    [](const QPushButton* b) { return b->isEnabled(); });
    if (first != m_buttons.end()) (*first)->setFocus();
}

void registerMenus(app::WindowRegistry& registry) {
    for (const Menu& menu : menuTable()) {
        registry.add(
            menu.name,
            [&menu](const app::WindowContext& c) {
                return std::make_unique<MenuWindow>(menu, c.state, c.services, c.parent);
            },
            app::ModalWindows::Placement::Centred);
    }
}

} // namespace glosbo::menus
