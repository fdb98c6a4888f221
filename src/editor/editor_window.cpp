// The editor window's controls: built from the layout table, in tab order.
#include "editor/editor_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QScreen>

#include "editor/caption_label.h"
#include "editor/clickable_image.h"

#include "core/fighter_record.h"
#include "editor/single_line_edit.h"
#include "evaluation/evaluation_window.h"
#include "qt_adapters/error_box.h"
#include "qt_adapters/widget_text.h"
#include "resources/editor_layout.h"
#include "widgets/gradient_button.h"
#include "widgets/stat_spin_edit.h"
#include "widgets/tahoma_font.h"

namespace beditor {
namespace {

QString Designed(const char* utf8) { return QString::fromUtf8(utf8); }

// A control the window built, found by its layout name. A name the layout and the building
// code disagree on is a programming error, caught on the first start of any build.
template <typename Widget>
Widget* BuiltChild(const QWidget* window, const char* name) {
  auto* child = window->findChild<Widget*>(QString::fromLatin1(name));
  if (!child) qFatal("the editor window has no control named %s", name);
  return child;
}

}  // namespace

EditorWindow::EditorWindow(std::filesystem::path programFolder, ProgramArguments arguments,
                           Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      programFolder_(std::move(programFolder)),
      arguments_(std::move(arguments)),
      dialogs_(dialogs) {
  BuildControls();
  ConnectHandlers();
  SetUpFromProgramFolder();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::BuildControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Designed(layout::kWindowCaption));
  setAccessibleName(windowTitle());
  setFixedSize(layout::kClientWidth, layout::kClientHeight);
  setFont(TahomaFont(11));
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);
  // Pick-only lists search by typed prefix; a pause this long starts a new search.
  QApplication::setKeyboardInputInterval(500);

  backgroundImage_ = new QLabel(this);
  backgroundImage_->setObjectName(QStringLiteral("imFondo"));
  backgroundImage_->setGeometry(rect());
  backgroundImage_->setScaledContents(true);
  backgroundImage_->lower();

  BuildTextBoxes();
  BuildAbilityBoxes();
  BuildChoiceBoxes();
  BuildCommandButtons();

  languageFlag_ = new ClickableImage(this);
  languageFlag_->setObjectName(QString::fromLatin1(layout::kLanguageFlag.name));
  languageFlag_->setGeometry(layout::kLanguageFlag.left, layout::kLanguageFlag.top,
                        layout::kLanguageFlag.width, layout::kLanguageFlag.height);
  languageFlag_->hide();

  playsDirtyLabel_ = new CaptionLabel(Designed(layout::kPlayDirtyCaption), this);
  playsDirtyLabel_->setObjectName(QString::fromLatin1(layout::kPlayDirtyLabel.name));
  playsDirtyLabel_->move(layout::kPlayDirtyLabel.left, layout::kPlayDirtyLabel.top);
  playsDirtyLabel_->hide();
  captionSetters_[layout::kPlayDirtyCaptionLine] = [this](const QString& text) { playsDirtyLabel_->SetCaption(text); };

  // Keyboard order follows the layout's tab column.
  std::map<int, QWidget*> byTab;
  for (const auto& box : layout::kTextBoxes) byTab[box.tab] = BuiltChild<QWidget>(this, box.name);
  for (const auto& box : layout::kAbilityBoxes) byTab[box.tab] = BuiltChild<QWidget>(this, box.name);
  for (const auto& box : layout::kChoiceBoxes) byTab[box.tab] = BuiltChild<QWidget>(this, box.name);
  QWidget* previous = nullptr;
  for (const auto& [tab, widget] : byTab) {
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

void EditorWindow::BuildTextBoxes() {
  for (const auto& spec : layout::kTextBoxes) {
    auto* box = new SingleLineEdit(this);
    box->setObjectName(QString::fromLatin1(spec.name));
    box->setGeometry(spec.left, spec.top, spec.width, spec.height);
    auto* label = new CaptionLabel(Designed(spec.label), this);
    label->setObjectName(QString::fromLatin1(spec.name) + QStringLiteral("Label"));
    label->AttachTo(box, spec.side == layout::LabelSide::Above ? CaptionLabel::Side::Above
                                                               : CaptionLabel::Side::Left);
    captionSetters_[spec.captionLine] = [label](const QString& text) { label->SetCaption(text); };
    controls_.Add(spec.field, box);
  }
}

void EditorWindow::BuildAbilityBoxes() {
  static_assert(StatSpinEdit::MinValue == record::kLowestAbility && StatSpinEdit::MaxValue == record::kHighestAbility,
                "the ability boxes show the range the fighter layout stores");
  for (const auto& spec : layout::kAbilityBoxes) {
    auto* box = new StatSpinEdit(this);
    box->setObjectName(QString::fromLatin1(spec.name));
    box->setGeometry(spec.left, spec.top, layout::kAbilityWidth, layout::kAbilityHeight);
    box->SetRecordLine(record::LineOf(spec.field));
    auto* label = new CaptionLabel(Designed(spec.label), this);
    label->setObjectName(QString::fromLatin1(spec.labelName));
    label->move(spec.labelLeft, spec.labelTop);
    label->setBuddy(box);
    captionSetters_[spec.captionLine] = [label](const QString& text) { label->SetCaption(text); };
    controls_.Add(spec.field, box);
  }
}

void EditorWindow::BuildChoiceBoxes() {
  for (const auto& spec : layout::kChoiceBoxes) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(spec.name));
    box->setGeometry(spec.left, spec.top, spec.width, spec.height);
    box->setMaxVisibleItems(8);
    for (const char* entry : record::BuiltInEntries(record::LayoutOf(spec.field).list))
      box->addItem(QString::fromUtf8(entry));
    box->setCurrentIndex(-1);
    auto* label = new CaptionLabel(Designed(spec.label), this);
    label->setObjectName(QString::fromLatin1(spec.labelName));
    label->move(spec.labelLeft, spec.labelTop);
    label->setBuddy(box);
    if (spec.captionLine >= 0)
      captionSetters_[spec.captionLine] = [label](const QString& text) { label->SetCaption(text); };
    controls_.Add(spec.field, box);
  }
  QComboBox* team = controls_.ListBox(record::Field::Team);
  team->setEditable(true);
  team->setLineEdit(new SingleLineEdit(team));
  team->setInsertPolicy(QComboBox::NoInsert);
  // Inline completion shows a completed name before the user accepts it, while the record
  // holds only what was typed; a save by mouse would then store less than the box shows.
  team->setCompleter(nullptr);
  team->setCurrentIndex(-1);
  for (auto* labelName : {"lbFancySt", "lbFancySubs"})
    BuiltChild<QLabel>(this, labelName)->setCursor(Qt::PointingHandCursor);
}

void EditorWindow::BuildCommandButtons() {
  // In the layout's order, whose object names are CmdButton4, CmdButton2, CmdButton1,
  // CmdButton5, CmdButton3 and btCambiarEditor.
  GradientButton** const members[] = {&clearAllButton_, &openButton_, &saveButton_,
                                      &evaluateButton_, &exitButton_, &modeButton_};
  const QFont font = TahomaFont(11, true);
  for (std::size_t i = 0; i < layout::kCommandButtons.size(); ++i) {
    const auto& spec = layout::kCommandButtons[i];
    auto* button = new GradientButton(this);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setGeometry(spec.left, spec.top, spec.width, layout::kCommandButtonHeight);
    button->SetCaption(Designed(spec.caption));
    button->OnError = [this](std::exception_ptr error) {
      try {
        std::rethrow_exception(error);
      } catch (...) {
        ShowCurrentError(dialogs_);
      }
    };
    if (spec.captionLine >= 0)
      captionSetters_[spec.captionLine] = [button](const QString& text) { button->SetCaption(text); };
    *members[i] = button;
  }
}

void EditorWindow::ConnectHandlers() {
  controls_.OnChange(this, [this](const record::FieldLayout& field) { Guarded([&] { FieldChanged(field); }); });

  saveButton_->OnClick = [this](GradientButton*) { SaveFighter(); };
  openButton_->OnClick = [this](GradientButton*) { OpenFighter(); };
  exitButton_->OnClick = [this](GradientButton*) { ExitEditor(); };
  clearAllButton_->OnClick = [this](GradientButton*) { ClearAll(); };
  evaluateButton_->OnClick = [this](GradientButton*) { ShowEvaluation(); };
  modeButton_->OnClick = [this](GradientButton*) { SwitchEditorMode(); };
  languageFlag_->OnClick = [this] { Guarded([&] { ToggleLanguage(); }); };
}

AbilityBoxes EditorWindow::Abilities() const {
  AbilityBoxes boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = controls_.AbilityBox(record::kAbilityFields[i]);
  return boxes;
}

void EditorWindow::Guarded(const std::function<void()>& body) { RunGuarded(dialogs_, body); }

QString EditorWindow::Caption(int line) const { return Windows1252ToQString(captionLines_.LineAt(line)); }

std::filesystem::path EditorWindow::InProgramFolder(const std::filesystem::path& relative) const {
  return programFolder_ / relative;
}

void EditorWindow::ShowFirstTime() {
  Guarded([this] { RestoreEditorMode(); });
  CentreOnDesktop();
  show();
}

void EditorWindow::CentreOnDesktop() {
  const QScreen* desktop = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!desktop) return;
  const QRect area = desktop->geometry();
  const QSize outer = frameGeometry().size();
  const int left = std::max(0, (area.width() - outer.width()) / 2);
  const int top = std::max(0, (area.height() - outer.height()) / 2);
  move(area.left() + left, area.top() + top);
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  // A mode that cannot be stored (a program folder the user may not write, as under Program
  // Files) is reported, and the window closes all the same: only the mode goes unremembered.
  Guarded([this] { RememberEditorMode(); });
  event->accept();
}

}  // namespace beditor
