#include "window/rules_dialog.h"

#include "app/outcome_text.h"
#include "app/recipe_changes.h"
#include "app/rule_text.h"
#include "window/patch_preview_dialog.h"
#include "window/prompts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wed {
namespace {

constexpr int kRecipeRole = Qt::UserRole;

} // namespace

RulesDialog::RulesDialog(Document& document, DocumentRules& rules, Prompts& prompts,
                         QWidget* parent)
    : QDialog(parent), document_(document), rules_(rules), prompts_(prompts) {
    setObjectName(QStringLiteral("RulesDialog"));
    files_ = new QLabel(this);
    files_->setWordWrap(true);
    files_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list_ = new QListWidget(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    run_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    // Enter on a row runs it through the list's activation; never once more through a default.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    run_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(720, 420);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { run_->setEnabled(recipeOfRow(row) >= 0); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (const int recipe = recipeOfRow(list_->row(item)); recipe >= 0)
            runRecipe(recipe);
    });
    connect(run_, &QPushButton::clicked, this, [this] {
        if (const int recipe = recipeOfRow(list_->currentRow()); recipe >= 0)
            runRecipe(recipe);
    });
    connect(&rules_, &DocumentRules::reread, this, &RulesDialog::fill);
    retranslate();
}

int RulesDialog::recipeOfRow(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item && rules_.rules() ? item->data(kRecipeRole).toInt() : -1;
}

// The rows, in the listing's order; a recipe's row knows its recipe. The row chosen stays.
void RulesDialog::fill() {
    const int current = list_->currentRow();
    list_->clear();
    QStringList files;
    for (const QString& file : rules_.folderRules().files)
        files.append(QDir::toNativeSeparators(file));
    files_->setText(files.isEmpty() ? noRulesFileText()
                                    : tr("读入的规则文件：%1").arg(files.join(tr("、"))));
    const Rules* rules = rules_.rules();
    if (!rules)
        return;
    const auto add = [this](const QString& text, int recipe) {
        auto* row = new QListWidgetItem(text, list_);
        row->setData(kRecipeRole, recipe);
    };
    for (const ColumnRule& column : rules->columns())
        add(describeRule(column), -1);
    for (const CheckRule& check : rules->checks())
        add(describeRule(check), -1);
    for (size_t i = 0; i < rules->recipes().size(); ++i)
        add(describeRule(rules->recipes()[i]), int(i));
    for (const RuleError& error : rules->errors()) {
        add(describeRuleError(error), -1);
        list_->item(list_->count() - 1)->setForeground(Qt::darkRed);
    }
    list_->setCurrentRow(std::min(current, list_->count() - 1));
    run_->setEnabled(recipeOfRow(list_->currentRow()) >= 0);
}

// The recipe's change set is made on the folder as it is now, shown, and applied only when
// the user applies it; the recipe's name is the step's.
void RulesDialog::runRecipe(int recipe) {
    Rules* rules = rules_.rules();
    if (!document_.isOpen())
        return emit refused(WindowRefusal{WindowStatus::NoFileChosen, {}});
    if (!rules || size_t(recipe) >= rules->recipes().size())
        return;
    const QString name = rules->recipes()[size_t(recipe)].name;
    const GameData& game = document_.game();
    const RecipeOutcome ran = rules->run(recipe, game, rules_.base());
    if (ran.error)
        return prompts_.show(this, describeRecipeRefusal(*ran.error), windowTitle());
    // Planned as typed, so that the fields' rules refuse what they refuse, then previewed and
    // applied as the values those rules write.
    const ApplyPlan typed = game.plan(*ran.changes);
    if (typed.outcome.refused()) {
        Outcome refusal = typed.outcome;
        if (typed.refusedAt >= 0)
            refusal.item = refText((*ran.changes)[size_t(typed.refusedAt)].item);
        return emit outcome(refusal);
    }
    const ChangeSet values = valueChanges(*ran.changes, typed);
    if (values.empty())
        return prompts_.show(this, recipeChangesNothing(name), windowTitle());
    const ApplyPlan plan = game.plan(values);
    PatchPreviewDialog preview(game, values, plan, this);
    preview.setWindowTitle(recipeStepText(name));
    if (preview.exec() == PatchPreviewDialog::Cancel)
        return;
    Document::StepInfo step{recipeStepText(name), {}, {}, {}, 0};
    step.before.item = step.after.item = values.front().item;
    emit outcome(document_.apply(values, std::move(step)));
}

void RulesDialog::retranslate() {
    setWindowTitle(tr("规则"));
    run_->setText(tr("运行配方"));
    list_->setAccessibleName(tr("规则文件定义的计算列、检查和配方"));
    fill();
}

void RulesDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace wed
