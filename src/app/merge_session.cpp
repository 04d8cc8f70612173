#include "app/merge_session.h"

#include <algorithm>
#include <optional>

namespace wed {

Outcome MergeSession::setBase(const QString& folder) {
    GameData read;
    Outcome outcome = read.read(itemFileIn(folder), false);
    if (outcome.refused())
        return outcome;
    reader_.reset();
    base_ = std::move(read);
    reader_ = std::make_unique<ModReader>(base_);
    const ModsRefused mods = readAgain();
    return mods.read.refused() ? mods.read : outcome;
}

ModsRefused MergeSession::setMods(const QStringList& paths) {
    std::vector<ModSource> sources;
    for (const QString& path : paths)
        sources.push_back(modSourceAt(path));
    ModsRefused refused{{}, checkModList(base_.folder(), sources)};
    if (!refused.list.ok())
        return refused;
    if (!reader_ && !sources.empty())
        return {{}, {}, true};
    // A mod read before keeps its changes (a move only merges again); a new one is read.
    std::vector<std::optional<ModChanges>> read(sources.size());
    for (size_t i = 0; i < sources.size(); ++i) {
        if (std::find(sources_.begin(), sources_.end(), sources[i]) != sources_.end())
            continue;
        ModRead mod = reader_->read(sources[i], int(i));
        if (mod.outcome.refused()) {
            refused.read = mod.outcome;
            if (refused.read.path.isEmpty())
                refused.read.path = sources[i].path;
            return refused;
        }
        read[i] = std::move(mod.mod);
    }
    std::vector<ModChanges> mods;
    for (size_t i = 0; i < sources.size(); ++i) {
        const auto was = std::find(sources_.begin(), sources_.end(), sources[i]);
        mods.push_back(read[i] ? std::move(*read[i])
                               : std::move(read_[size_t(was - sources_.begin())]));
        // Its notes numbered by its place now.
        for (NotCarried& note : mods.back().notCarried)
            note.mod = int(i);
    }
    sources_ = std::move(sources);
    read_ = std::move(mods);
    merge();
    return refused;
}

ModsRefused MergeSession::reload() {
    reader_.reset();
    const Outcome base = base_.read(base_.itemFilePath(), false);
    reader_ = std::make_unique<ModReader>(base_);
    if (base.refused())
        return {base, {}};
    return readAgain();
}

// Every mod read again against the base; when one is refused now, the list is left empty.
ModsRefused MergeSession::readAgain() {
    QStringList paths;
    for (const ModSource& source : sources_)
        paths.append(source.path);
    sources_.clear();
    read_.clear();
    const ModsRefused refused = setMods(paths);
    if (refused.refused())
        merge();
    return refused;
}

void MergeSession::choose(size_t decision, int mod) {
    chosen_.insert(conflictName(result_->decisions.at(decision)), sources_.at(size_t(mod)).path);
    merge();
}

void MergeSession::unchoose(size_t decision) {
    chosen_.remove(conflictName(result_->decisions.at(decision)));
    merge();
}

MergeChoices MergeSession::choices() const {
    MergeChoices choices;
    for (auto it = chosen_.begin(); it != chosen_.end(); ++it)
        for (size_t mod = 0; mod < sources_.size(); ++mod)
            if (sources_[mod].path == it.value())
                choices.insert(it.key(), int(mod));
    return choices;
}

void MergeSession::setChoices(const MergeChoices& choices) {
    chosen_.clear();
    for (auto it = choices.begin(); it != choices.end(); ++it)
        if (it.value() >= 0 && size_t(it.value()) < sources_.size())
            chosen_.insert(it.key(), sources_[size_t(it.value())].path);
    merge();
}

void MergeSession::merge() {
    result_ = std::make_shared<const MergeResult>(mergeMods(base_, read_, choices()));
}

} // namespace wed
