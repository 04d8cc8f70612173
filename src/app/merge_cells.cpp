#include "app/merge_cells.h"

#include "app/change_text.h"
#include "app/shown_words.h"
#include "data/name_record.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace wed {
namespace {

struct MergeWords {
    Q_DECLARE_TR_FUNCTIONS(MergeWords)
};

// The decision as a change of its kind, which the change's words know how to show.
Change asChange(const MergeDecision& decision) {
    static const ChangeKind kinds[] = {ChangeKind::Key,  ChangeKind::Record, ChangeKind::Add,
                                       ChangeKind::Move, ChangeKind::Names,  ChangeKind::NameMove,
                                       ChangeKind::Names};
    Change change;
    change.kind = kinds[int(decision.what)];
    change.item = decision.item;
    change.key = decision.key;
    change.keyOccurrence = decision.keyOccurrence;
    return change;
}

} // namespace

MergeCellRole modCellRole(const MergeDecision& decision, int mod) {
    if (!decision.mods[size_t(mod)].changed)
        return MergeCellRole::SameAsBase;
    switch (decision.status) {
    case MergeStatus::Single:
        return MergeCellRole::ChangedAlone;
    case MergeStatus::Same:
        return MergeCellRole::SameAsOther;
    case MergeStatus::Conflict:
        break;
    }
    return decision.loses(mod) ? MergeCellRole::Loses : MergeCellRole::Wins;
}

MergeCellRole resultCellRole(const MergeDecision& decision) {
    if (decision.winner < 0)
        return MergeCellRole::SameAsBase;
    return decision.conflict() ? MergeCellRole::Wins : modCellRole(decision, decision.winner);
}

QString roleText(MergeCellRole role) {
    switch (role) {
    case MergeCellRole::SameAsBase:
        return MergeWords::tr("与原版相同");
    case MergeCellRole::ChangedAlone:
        return MergeWords::tr("只有这个模组修改");
    case MergeCellRole::SameAsOther:
        return MergeWords::tr("与另一个模组相同");
    case MergeCellRole::Wins:
        return MergeWords::tr("冲突中胜出");
    case MergeCellRole::Loses:
        return MergeWords::tr("冲突中落选");
    }
    return {};
}

QString resultText(const MergeDecision& decision, const std::vector<ModSource>& mods) {
    if (!decision.conflict() || decision.winner < 0)
        return roleText(resultCellRole(decision));
    const QString winner = modHeading(mods, decision.winner);
    return decision.chosen ? MergeWords::tr("冲突：采用 %1（已选择）").arg(winner)
                           : MergeWords::tr("冲突：%1 胜出（优先级）").arg(winner);
}

QString valueCellText(const MergeDecision& decision, const MergeValue& value,
                      const GameData& base) {
    const Change change = asChange(decision);
    switch (decision.what) {
    case MergeWhat::Picture:
        return value.pictureBytes.isEmpty() && value.picturePath.isEmpty()
                   ? sideText(change, std::nullopt, std::nullopt, base)
                   : MergeWords::tr("%1 字节").arg(value.pictureBytes.size());
    case MergeWhat::Move:
    case MergeWhat::NameMove:
        return placeText(change, value.after);
    case MergeWhat::Key:
        return sideText(change, value.lines ? std::optional(value.lines->value(0)) : std::nullopt,
                        std::nullopt, base);
    default:
        return sideText(change, std::nullopt, value.lines, base);
    }
}

QString decisionWhatText(const MergeDecision& decision) {
    return decision.what == MergeWhat::Picture ? MergeWords::tr("图片文件")
                                               : changeFieldText(asChange(decision));
}

QString decisionItemText(const MergeDecision& decision) {
    switch (decision.what) {
    case MergeWhat::Names:
    case MergeWhat::NameMove:
        return nameOpening(decision.item.id);
    case MergeWhat::Picture:
        return decision.picture;
    default:
        return refText(decision.item);
    }
}

QString decisionGroupText(const MergeDecision& decision) {
    switch (decision.what) {
    case MergeWhat::Names:
    case MergeWhat::NameMove:
        return MergeWords::tr("名字记录");
    case MergeWhat::Picture:
        return MergeWords::tr("图片");
    default:
        return shownWord(category(decision.item.category));
    }
}

QString modHeading(const std::vector<ModSource>& mods, int mod) {
    return QStringLiteral("%1 %2").arg(mod + 1).arg(QFileInfo(mods[size_t(mod)].path).fileName());
}

} // namespace wed
