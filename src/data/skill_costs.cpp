#include "data/skill_costs.h"

#include "data/record_scan.h"

namespace wed {

void LoadSkillCosts(const LineBuffer& items, qsizetype header, SkillCosts& costs) {
    static const std::vector<QByteArray> keys{
        "Health=", "Strength=", "Speed=", "Accuracy=", "Intelligence="};
    const std::vector<KeyHit> hits = scanRecordAt(items, header, EndRule::SemicolonStars, keys);
    for (size_t k = 0; k < costs.size(); ++k)
        if (hits[k].lineNumber > 0)
            costs[k] = hits[k].value;
}

} // namespace wed
