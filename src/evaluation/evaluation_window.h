#pragma once
// The evaluation window: six rating bars computed from the editor window's ability boxes
// each time it goes from hidden to shown. It keeps no data and does not follow later edits.
#include <QPointer>
#include <QWidget>

#include "evaluation/ability_boxes.h"
#include "core/ratings.h"

namespace beditor {

class Dialogs;
class GradientBar;
class LineList;

class EvaluationWindow : public QWidget {
  Q_OBJECT

 public:
  // A tool window above `editorWindow`, closed with it; it starts hidden. The boxes and the
  // caption table are read, never changed, and must outlive the window.
  EvaluationWindow(const AbilityBoxes& boxes, const LineList& captionLines, Dialogs& dialogs,
                   QWidget* editorWindow);

  // Shows the window and brings it to the front; an open window is only brought forward.
  void Open();

  // Sets the fill of the six bars from the ability boxes.
  void ComputeRatings();

  // The six rating bars (gGround .. gOverall), in the order the ratings are written.
  GradientBar* groundBar = nullptr;
  GradientBar* strikingBar = nullptr;
  GradientBar* defenseBar = nullptr;
  GradientBar* fitnessBar = nullptr;
  GradientBar* mentalBar = nullptr;
  GradientBar* overallBar = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // At each showing: the ratings, then the title and the bars' captions from the caption
  // table, each bar's with its percent.
  void RateAndCaption();
  void PlaceOverEditor();
  AbilityValues ReadAbilities() const;

  AbilityBoxes boxes_;
  const LineList& captionLines_;
  Dialogs& dialogs_;
  QPointer<QWidget> editorWindow_;
  bool placed_ = false;
};

}  // namespace beditor
