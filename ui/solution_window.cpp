#include "ui/solution_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/algorithm/compiler.h"
#include "engine/solution/check.h"
#include "engine/solution/student_run.h"
#include "shell/exercise_check.h"
#include "ui/announcer.h"
#include "ui/code_editor.h"
#include "ui/companion.h"
#include "ui/form_widget.h"
#include "ui/offscreen_focus.h"
#include "ui/qt_desktop.h"
#include "ui/side_by_side.h"
#include "ui/solution_draft.h"

namespace ui {

namespace {

constexpr int kCompileDelayMs = 300;  // after the last edit: a pause in the typing
// Its size at 100 %, for a line of seventy columns and a few variables, and the least.
constexpr int kWidth = 560, kHeight = 640, kLeastWidth = 360, kLeastHeight = 360;
constexpr int kErrorLines = 4;  // the list of faults, at its tallest
const QString kFilter = QStringLiteral("Algoritmos de PSeInt (*.psc);;Todos los archivos (*)");

QString qs(const std::string& s) { return QString::fromStdString(s); }

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return b;
}

}  // namespace

QString solutionCaption(const std::string& exerciseCaption) {
    return QStringLiteral("Mi solución - Ejercicio ") + exerciseNumber(exerciseCaption);
}

SolutionWindow::SolutionWindow(FormWidget& form, const ej::ExerciseWindow& exercise, SolutionDraft& draft,
                               SeriesLog& log, QtDesktop& desktop)
    : QWidget(&form, Qt::Window), form_(form), exercise_(exercise), draft_(draft), log_(log), desktop_(desktop) {
    setObjectName(QStringLiteral("solucion"));
    setAttribute(Qt::WA_DeleteOnClose);  // the text lives on in its draft
    build();
    if (draft_.started) {
        showStarted();
        showText(draft_.text);
        compile();
    }
    updateTitle();
}

void SolutionWindow::build() {
    auto* layout = new QVBoxLayout(this);

    auto* files = new QHBoxLayout;
    auto* open = button(QStringLiteral("Abrir…"), this);
    save_ = button(QStringLiteral("Guardar"), this);
    save_->setToolTip(QStringLiteral("Ctrl+S"));
    saveAs_ = button(QStringLiteral("Guardar como…"), this);
    files->addWidget(open);
    files->addWidget(save_);
    files->addWidget(saveAs_);
    files->addStretch();
    layout->addLayout(files);

    // The first opening for an exercise: how to begin, in the window rather than a dialog.
    startChoice_ = new QWidget(this);
    auto* choice = new QHBoxLayout(startChoice_);
    choice->setContentsMargins(0, 0, 0, 0);
    auto* withStatement = button(QStringLiteral("Empezar con el enunciado"), startChoice_);
    auto* blank = button(QStringLiteral("Empezar en blanco"), startChoice_);
    choice->addWidget(new QLabel(QStringLiteral("Para empezar:"), startChoice_));
    choice->addWidget(withStatement);
    choice->addWidget(blank);
    choice->addStretch();
    layout->addWidget(startChoice_);

    editor_ = new CodeEditor(this);
    editor_->setAccessibleName(QStringLiteral("Tu algoritmo"));
    editor_->setAccessibleDescription(QStringLiteral("Pseudocódigo de PSeInt; Ctrl+Enter lo comprueba"));
    errorList_ = new QListWidget(this);
    errorList_->setAccessibleName(QStringLiteral("Errores de tu algoritmo"));
    errorList_->hide();
    auto* text = new QWidget(this);
    auto* textColumn = new QVBoxLayout(text);
    textColumn->setContentsMargins(0, 0, 0, 0);
    textColumn->addWidget(editor_, 1);
    textColumn->addWidget(errorList_);

    live_ = new LiveDeskCheck(exercise_, log_, this);
    live_->onLines = [this](const std::vector<int>& ran, int differenceLine) { editor_->showRun(ran, differenceLine); };
    live_->onDifference = [this](const QString& difference) { tell(difference); };

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(text);
    split->addWidget(live_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    auto* checking = new QHBoxLayout;
    check_ = button(QStringLiteral("Comprobar"), this);
    check_->setToolTip(QStringLiteral("Ctrl+Enter: prueba tu algoritmo con las series del docente y otras al azar"));
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("veredicto"));
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    showVerdict({});
    sideBySideButton_ = button(QStringLiteral("Ver lado a lado"), this);
    sideBySideButton_->hide();
    checking->addWidget(check_, 0, Qt::AlignTop);
    checking->addWidget(verdict_, 1);
    checking->addWidget(sideBySideButton_, 0, Qt::AlignTop);
    layout->addLayout(checking);

    announcer_ = new Announcer(this);
    compileTimer_ = new QTimer(this);
    compileTimer_->setSingleShot(true);
    compileTimer_->setInterval(kCompileDelayMs);

    connect(open, &QPushButton::clicked, this, [this] { openAsked(); });
    connect(save_, &QPushButton::clicked, this, [this] { saveAsked(false); });
    connect(saveAs_, &QPushButton::clicked, this, [this] { saveAsked(true); });
    connect(withStatement, &QPushButton::clicked, this, [this] { start(true); });
    connect(blank, &QPushButton::clicked, this, [this] { start(false); });
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] { edited(); });
    connect(compileTimer_, &QTimer::timeout, this, [this] { compile(); });
    connect(errorList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { goToError(errorList_->row(item)); });
    connect(errorList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { goToError(errorList_->row(item)); });
    connect(check_, &QPushButton::clicked, this, [this] { check(); });
    connect(sideBySideButton_, &QPushButton::clicked, this, [this] { showSideBySide(); });

    for (QWidget* w : std::initializer_list<QWidget*>{editor_, save_, saveAs_, check_}) w->setEnabled(false);
}

// Once begun, the text takes the choice's place.
void SolutionWindow::showStarted() {
    startChoice_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{editor_, save_, saveAs_, check_}) w->setEnabled(true);
}

void SolutionWindow::showBeside() {
    sizeAndPlace();
    showWithoutActivating(*this);
}

void SolutionWindow::sizeAndPlace() {
    QList<QWidget*> inSight = form_.controlsInSight();
    if (form_.traceWindow() && form_.traceWindow()->isVisible()) inSight << form_.traceWindow();
    const QSize wanted(int(kWidth * scale_), std::max(int(kHeight * scale_), form_.height()));
    const QSize least = QSize(int(kLeastWidth * scale_), int(kLeastHeight * scale_)).expandedTo(minimumSizeHint());
    const QRect at = besideExercise(form_, inSight, wanted, least);
    resize(at.size());
    move(at.topLeft());
}

void SolutionWindow::takeFont(const QFont& font) {
    const bool rescaled = font.pixelSize() != this->font().pixelSize();
    setFont(font);
    editor_->takeFont(font);
    live_->takeFont(font);
    errorList_->setMaximumHeight(kErrorLines * QFontMetrics(font).height() + 2 * errorList_->frameWidth() + 4);
    scale_ = double(font.pixelSize()) / QApplication::font().pixelSize();
    if (isVisible() && rescaled) sizeAndPlace();
}

void SolutionWindow::visitFrom() {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();  // offscreen has no stacking
    activateWindow();
    QWidget* first = draft_.started ? static_cast<QWidget*>(editor_) : startChoice_->findChild<QPushButton*>();
    first->setFocus(Qt::TabFocusReason);
}

void SolutionWindow::start(bool withStatement) {
    draft_.start(withStatement ? qs(ej::solution::startingText(exercise_)) : QString());
    showStarted();
    showText(draft_.text);
    // With the statement, the caret waits on the empty line inside the algorithm.
    if (withStatement)
        for (QTextBlock b = editor_->document()->lastBlock(); b.isValid(); b = b.previous())
            if (b.text().trimmed() == QLatin1String("FinAlgoritmo") && b.previous().isValid()) {
                QTextCursor caret(b.previous());
                caret.movePosition(QTextCursor::EndOfBlock);
                editor_->setTextCursor(caret);
                break;
            }
    editor_->setFocus();
    updateTitle();
    compile();
}

bool SolutionWindow::openFile(const QString& path) {
    QString error;
    if (!draft_.open(path, error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("No se pudo abrir «%1»: %2").arg(path, error));
        return false;
    }
    showStarted();
    showText(draft_.text);
    updateTitle();
    compile();
    return true;
}

bool SolutionWindow::saveTo(const QString& path) {
    QString error;
    if (!draft_.save(path, error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("No se pudo guardar «%1»: %2").arg(path, error));
        return false;
    }
    updateTitle();
    return true;
}

void SolutionWindow::openAsked() {
    if (!confirmClose()) return;
    const QString folder = draft_.path.isEmpty() ? QDir::homePath() : QFileInfo(draft_.path).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Abrir un algoritmo"), folder, kFilter);
    if (!path.isEmpty()) openFile(path);
}

// Guardar writes to the text's file, asking for one the first time; "Guardar como…"
// always asks. False when nothing was written.
bool SolutionWindow::saveAsked(bool choosePath) {
    if (!draft_.started) return false;
    QString path = draft_.path;
    if (choosePath || path.isEmpty()) {
        const QString suggested = path.isEmpty()
                                      ? QDir::home().filePath(QStringLiteral("ejercicio") +
                                                              exerciseNumber(exercise_.design().caption) +
                                                              QStringLiteral(".psc"))
                                      : path;
        path = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar tu algoritmo"), suggested, kFilter);
        if (path.isEmpty()) return false;
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".psc");
    }
    return saveTo(path);
}

bool SolutionWindow::confirmClose() {
    if (!draft_.modified()) return true;
    QMessageBox box(QMessageBox::Question, solutionCaption(exercise_.design().caption),
                    QStringLiteral("¿Guardar los cambios de tu solución del Ejercicio %1?")
                        .arg(exerciseNumber(exercise_.design().caption)),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QStringLiteral("Guardar"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return saveAsked(false);
    if (box.clickedButton() != discard) return false;
    // Back to the text as it was last started, opened or saved.
    draft_.discardChanges();
    showText(draft_.text);
    updateTitle();
    return true;
}

void SolutionWindow::showText(const QString& text) {
    if (editor_->toPlainText() != text) editor_->setPlainText(text);
}

void SolutionWindow::updateTitle() {
    QString title = solutionCaption(exercise_.design().caption);
    if (!draft_.path.isEmpty()) title += QStringLiteral(" - ") + QFileInfo(draft_.path).fileName();
    if (draft_.modified()) title += QLatin1Char('*');
    setWindowTitle(title);
}

// What an edit makes stale waits for the next compile: the lines tinted, the verdict.
void SolutionWindow::edited() {
    const QString text = editor_->toPlainText();
    if (text == draft_.text && compiled_) return;
    draft_.text = text;
    updateTitle();
    compiled_ = false;
    live_->markStale();
    editor_->showRun({}, 0);
    showVerdict({});
    sideBySideButton_->hide();
    checkedDifference_.reset();
    compileTimer_->start();
}

bool SolutionWindow::compilePending() const { return compileTimer_->isActive(); }

void SolutionWindow::compile() {
    compileTimer_->stop();
    if (!draft_.started) return;
    std::shared_ptr<const ej::algorithm::Program> program;
    errors_.clear();
    if (!draft_.text.trimmed().isEmpty()) {  // a blank start is no fault yet
        ej::algorithm::Compiled compiled = ej::algorithm::compile(draft_.text.toStdString());
        errors_ = std::move(compiled.errors);
        program = std::move(compiled.program);
    }
    editor_->showErrors(errors_);
    listErrors();
    compiled_ = true;
    if (program) live_->follow(std::move(program));
}

void SolutionWindow::listErrors() {
    QStringList located;
    for (const auto& e : errors_) located << qs(e.located());
    errorList_->clear();
    errorList_->addItems(located);
    errorList_->setVisible(!located.isEmpty());
    if (located == saidErrors_) return;
    if (located.isEmpty())
        announcer_->say(QStringLiteral("Sin errores"));
    else if (located.size() == 1)
        announcer_->say(QStringLiteral("Un error: ") + located.front());
    else
        announcer_->say(QStringLiteral("%1 errores; el primero, %2").arg(located.size()).arg(located.front()));
    saidErrors_ = located;
}

void SolutionWindow::goToError(int index) {
    if (index < 0 || index >= static_cast<int>(errors_.size())) return;
    const auto& at = errors_[static_cast<std::size_t>(index)].span.begin;
    editor_->goTo(at.line, at.column);
    editor_->setFocus(Qt::OtherFocusReason);
}

void SolutionWindow::tell(const QString& text) {
    if (QApplication::activeWindow() == &form_)
        form_.announcer().tell(text);  // after what the press itself says
    else
        announcer_->say(text);
}

QString SolutionWindow::verdict() const { return verdict_->text(); }

// Named for a screen reader by its text, or, with none yet, by what it is for.
void SolutionWindow::showVerdict(const QString& text) {
    verdict_->setText(text);
    verdict_->setAccessibleName(text.isEmpty() ? QStringLiteral("Veredicto de Comprobar") : QString());
}

namespace {

// The window's own options, in the user's number format.
ej::solution::CheckOptions optionsFor(const ej::ExerciseWindow& exercise) {
    ej::solution::CheckOptions options = ej::checkOptions(exercise.design().name);
    options.format = exercise.format();
    return options;
}

}  // namespace

void SolutionWindow::check() {
    if (!draft_.started) return;
    if (compilePending()) compile();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ej::algorithm::Compiled compiled = ej::algorithm::compile(draft_.text.toStdString());
    ej::solution::Verdict verdict;
    if (compiled.ok()) {
        verdict = ej::solution::check(ej::windowMaker(exercise_.design().name), compiled.program, optionsFor(exercise_));
    } else {
        verdict.errors = std::move(compiled.errors);
    }
    QApplication::restoreOverrideCursor();
    const QString said = verdict.errors.empty() ? qs(verdict.text())
                                                : QStringLiteral("Tu algoritmo tiene errores: ") + qs(verdict.text());
    showVerdict(said);
    checked_ = compiled.program;
    checkedDifference_ = verdict.difference;
    sideBySideButton_->setVisible(checkedDifference_.has_value());
    announcer_->say(said);
}

void SolutionWindow::showSideBySide() {
    if (!checked_ || !checkedDifference_) return;
    delete sideBySide_;
    sideBySide_ = new SideBySideWindow(
        ej::solution::replay(ej::windowMaker(exercise_.design().name), checked_, checkedDifference_->typed, optionsFor(exercise_)),
        exercise_.design().caption, this);
    desktop_.zoom().follow(sideBySide_, [window = sideBySide_](const Zoom& zoom) { window->takeFont(zoom.font()); });
    sideBySide_->show();
}

void SolutionWindow::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_F1:
        return desktop_.toggleHelp(*this);
    case Qt::Key_F2:
        return form_.toggleTrace();
    case Qt::Key_F3:
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_F6:
        // On to the help when it is open, else back to the exercise window: a return, no reset.
        if (!desktop_.visitHelp(form_)) form_.activateWindow();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (control) return check();
        break;
    default:
        break;
    }
    if (event->matches(QKeySequence::Save)) {
        saveAsked(false);
        return;
    }
    if (event->matches(QKeySequence::Open)) return openAsked();
    QWidget::keyPressEvent(event);
}

void SolutionWindow::closeEvent(QCloseEvent* event) {
    if (!confirmClose()) return event->ignore();
    live_->stop();
    const bool active = isActiveWindow();
    event->accept();
    if (active) form_.activateWindow();  // back where the student types, without a reset
    form_.announcer().say(QStringLiteral("Mi solución cerrada"));
}

}  // namespace ui
