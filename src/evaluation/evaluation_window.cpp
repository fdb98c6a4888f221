#include "evaluation/evaluation_window.h"

#include <QScreen>
#include <QShowEvent>
#include <array>

#include "qt_adapters/error_box.h"
#include "core/line_list.h"
#include "core/number_text.h"
#include "qt_adapters/widget_text.h"
#include "resources/evaluation_layout.h"
#include "widgets/gradient_bar.h"
#include "widgets/stat_spin_edit.h"
#include "widgets/tahoma_font.h"

namespace beditor {

namespace {

QColor ToQColor(evaluation_layout::Colour colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

int ValueOf(const StatSpinEdit* box) { return box ? box->IntegerValue() : 0; }

}  // namespace

EvaluationWindow::EvaluationWindow(const AbilityBoxes& boxes, const LineList& captionLines,
                                   Dialogs& dialogs, QWidget* editorWindow)
    : QWidget(editorWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint),
      boxes_(boxes),
      captionLines_(captionLines),
      dialogs_(dialogs),
      editorWindow_(editorWindow) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString::fromLatin1(evaluation_layout::kDesignTitle));
  setFixedSize(evaluation_layout::kClientWidth, evaluation_layout::kClientHeight);
  setFont(TahomaFont(11));
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  // Closing only hides the window; it lives until the editor window goes.
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAttribute(Qt::WA_QuitOnClose, false);

  GradientBar** const members[] = {&groundBar, &strikingBar, &defenseBar, &fitnessBar, &mentalBar, &overallBar};
  for (std::size_t i = 0; i < evaluation_layout::kRatingBars.size(); ++i) {
    const auto& spec = evaluation_layout::kRatingBars[i];
    auto* bar = new GradientBar(this);
    bar->setObjectName(QString::fromLatin1(spec.name));
    bar->setGeometry(spec.left, spec.top, spec.width, spec.height);
    bar->Gradient.SetFromColor(ToQColor(spec.from));
    bar->Gradient.SetToColor(ToQColor(spec.to));
    bar->SetCaption(QString::fromLatin1(spec.caption));
    *members[i] = bar;
  }
}

void EvaluationWindow::Open() {
  if (isVisible())
    raise();
  else
    show();  // the show handler recomputes and places the window
  activateWindow();
}

void EvaluationWindow::showEvent(QShowEvent* event) {
  // Only the program's own hidden-to-shown change counts, not a restore by the system.
  if (!event->spontaneous()) {
    RunGuarded(dialogs_, [this] { RateAndCaption(); });
    if (!placed_) {
      PlaceOverEditor();
      placed_ = true;
    }
  }
  QWidget::showEvent(event);
}

AbilityValues EvaluationWindow::ReadAbilities() const {
  AbilityValues values;
  for (const AbilityValueMember& member : kAbilityValueMembers)
    values.*member.value = ValueOf(boxes_[record::AbilityIndex(member.field)]);
  return values;
}

void EvaluationWindow::ComputeRatings() {
  const Ratings ratings = RateAbilities(ReadAbilities());
  groundBar->Gradient.SetPercentFilling(ratings.ground);
  strikingBar->Gradient.SetPercentFilling(ratings.striking);
  defenseBar->Gradient.SetPercentFilling(ratings.defense);
  fitnessBar->Gradient.SetPercentFilling(ratings.fitness);
  mentalBar->Gradient.SetPercentFilling(ratings.mental);
  overallBar->Gradient.SetPercentFilling(ratings.overall);
}

void EvaluationWindow::RateAndCaption() {
  ComputeRatings();
  setWindowTitle(Windows1252ToQString(captionLines_.LineAt(evaluation_layout::kTitleLine)));
  const std::array<GradientBar*, 6> bars = {groundBar, strikingBar, defenseBar, fitnessBar, mentalBar, overallBar};
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const QString label =
        Windows1252ToQString(captionLines_.LineAt(evaluation_layout::kRatingBars[i].captionLine));
    const QString percent =
        QString::fromStdString(FormatInteger(bars[i]->Gradient.PercentFilling()));
    bars[i]->SetCaption(label + u' ' + percent + u'%');
  }
}

void EvaluationWindow::PlaceOverEditor() {
  const QRect own = frameGeometry();
  QRect over;
  QRect desktop;
  if (editorWindow_) {
    over = editorWindow_->window()->frameGeometry();
    desktop = editorWindow_->screen()->availableGeometry();
  } else {
    desktop = screen()->availableGeometry();
    over = desktop;
  }
  int left = over.left() + (over.width() - own.width()) / 2;
  int top = over.top() + (over.height() - own.height()) / 2;
  if (left < desktop.left()) left = desktop.left();
  if (top < desktop.top()) top = desktop.top();
  move(left, top);
}

}  // namespace beditor
