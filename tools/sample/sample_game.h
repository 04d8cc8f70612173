#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace wed::sample {

// Which edition of the game the sample is: its texts' language and its files' code page. The
// Cyrillic edition holds the same records, its Chinese texts written letter for letter in
// Cyrillic (so that every line keeps its length in characters), in Windows-1251.
enum class Edition { Chinese, Cyrillic };

// The two text files of a game folder, as the game stores them: ANSI code page, CR LF.
struct SampleText {
    QByteArray itemFile;     // weapon.cfg
    QByteArray nameFile;     // Text/Weapon.txt
    qsizetype itemLines = 0; // lines of weapon.cfg as a line buffer counts them: the empty
                             // line after the last CR LF is one
};

// The sample's weapon.cfg and Text/Weapon.txt. When minimumItemLines is above the sample's own
// size (about 3,000 lines), the listed items are repeated under new ids ("pistol_wasp_2", ...)
// until weapon.cfg holds at least that many lines; the name file grows with it.
SampleText makeSampleText(qsizetype minimumItemLines = 0, Edition edition = Edition::Chinese);

// The sample's rules file, weapon-rules.lua (UTF-8, LF line ends): computed columns, checks and
// a recipe over the sample's items. Only the Chinese edition has it.
QByteArray sampleRules();

// One file of the sample game folder, its path relative to the folder with "/" separators.
struct SampleFile {
    QString path;
    QByteArray bytes;
};

// Every file of the sample game folder: the two text files, the rules file (Chinese edition)
// and, in Images/weapon, a small and a large picture for every listed item. The same bytes on every
// run and every machine.
std::vector<SampleFile> makeSampleGame(Edition edition = Edition::Chinese);

// Writes the sample game folder, making the folders it needs. Returns an error text (in
// Chinese, as the editor's messages are), empty on success.
QString writeSampleGame(const QString& folder, Edition edition = Edition::Chinese);

} // namespace wed::sample
