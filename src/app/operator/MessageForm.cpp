#include "app/operator/MessageForm.h"

#include "ui_MessageForm.h"

#include "widgets/PlainText.h"
#include "widgets/WindowPlacement.h"

#include <QScreen>

namespace {
constexpr qreal TextScale = 2.0;
constexpr int MinimumTextWidth = 440;
} // namespace

TMessageForm::TMessageForm(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TMessageForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font = m_ui->messageText->font();
    font.setPointSizeF(font.pointSizeF() * TextScale);
    font.setBold(true);
    m_ui->messageText->setFont(font);
    m_ui->messageText->setMinimumWidth(MinimumTextWidth);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QWidget::hide);
    ReloadWindowTexts();
}

TMessageForm::~TMessageForm() = default;

void TMessageForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->messageText->setAccessibleName(tr("Message"));
}

QString TMessageForm::Message() const
{
    return m_ui->messageText->text();
}

// A message that comes while one is shown takes its place in the window where it stands; a hidden
// window opens in the middle of the screen.
void TMessageForm::ShowMessage(const QString& text)
{
    m_ui->messageText->setText(text);
    FitText();
    if (!isVisible()) {
        WindowPlacement::CentreOn(*this, screen()->availableGeometry());
        show();
    }
    raise();
}

// A hidden window takes the size the text needs; a shown one grows where the text needs it and
// otherwise keeps the size the operator gave it.
void TMessageForm::FitText()
{
    const QSize wanted = sizeHint();
    const int width = isVisible() ? qMax(this->width(), wanted.width()) : wanted.width();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : wanted.height();
    resize(width, isVisible() ? qMax(this->height(), height) : height);
}
