#include "designer/DesignPage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "designer/DesignPanel.h"
#include "designer/HandleWidgets.h"

namespace quorvel {
namespace {

QAction* MenuItem(QWidget* surface, const char* caption) {
  auto* item = new QAction(QString::fromUtf8(caption), surface);
  surface->addAction(item);
  return item;
}

}  // namespace

TDesignPage::TDesignPage(IDialogs& dialogs, TSelectionEditor& selection) {
  auto* caption = new QLabel("Text:", this);
  caption->setGeometry(8, 8, 32, 20);
  quickText_ = new QLineEdit(this);
  quickText_->setObjectName("QuickText");
  quickText_->setGeometry(44, 6, 360, 22);
  surface_ = new TDesignPanel(dialogs, this);
  surface_->move(0, kSurfaceTop);
  horizontal_ = new QScrollBar(Qt::Horizontal, this);
  horizontal_->setObjectName("HorizontalScrollBar");
  vertical_ = new QScrollBar(Qt::Vertical, this);
  vertical_->setObjectName("VerticalScrollBar");
  for (QScrollBar* bar : {horizontal_, vertical_}) bar->setRange(0, 100);
  connect(horizontal_, &QScrollBar::valueChanged, this, [this] { HorizontalScrolled(); });
  connect(vertical_, &QScrollBar::valueChanged, this, [this] { VerticalScrolled(); });
  // The field and the bars stay above the surface that slides beneath them.
  for (QWidget* part : std::initializer_list<QWidget*>{quickText_, horizontal_, vertical_}) part->raise();

  surface_->setContextMenuPolicy(Qt::ActionsContextMenu);
  menu_ = {MenuItem(surface_, "nach vorne bringen"), MenuItem(surface_, "nach hinten bringen"),
           MenuItem(surface_, "Kopieren"),           MenuItem(surface_, "Einfügen"),
           MenuItem(surface_, "in Zwischenablage"),  MenuItem(surface_, "Löschen")};
  menu_.Paste->setEnabled(false);
  handles_ = std::make_unique<THandleWidgets>(surface_, selection, dialogs);
}

TDesignPage::~TDesignPage() = default;

// The shadow beside the surface follows each of its moves and sizes.
void TDesignPage::SizeSurface(int width, int height) {
  surface_->resize(width, height);
  update();
}

void TDesignPage::ScrollHome() {
  horizontal_->setValue(0);
  vertical_->setValue(0);
}

void TDesignPage::resizeEvent(QResizeEvent*) {
  int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  horizontal_->setGeometry(0, height() - bar, width() - bar, bar);
  vertical_->setGeometry(width() - bar, kSurfaceTop, bar, height() - kSurfaceTop - bar);
}

void TDesignPage::HorizontalScrolled() {
  horizontal_->setMaximum(surface_->width());
  surface_->move(-horizontal_->value(), surface_->y());
  update();
}

void TDesignPage::VerticalScrolled() {
  vertical_->setMaximum(surface_->height());
  int position = vertical_->value();
  surface_->move(surface_->x(), position == 0 ? kSurfaceTop : -position);
  update();
}

void TDesignPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(QRect(0, kSurfaceTop, width(), height() - kSurfaceTop), QColor(kBackground));
  painter.fillRect(surface_->geometry().translated(kShadowOffset, kShadowOffset), QColor(kShadow));
}

}  // namespace quorvel
