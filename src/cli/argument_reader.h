#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <optional>

namespace wed::cli {

// How an option is written: a flag alone ("--json"); one that takes a value with it joined
// ("--nth=2") or as the next argument, whatever that is ("--nth 2", "--nth -5").
enum class OptionKind { None, Flag, Value };

// One argument as the option reader sees it.
struct Argument {
    QString text;                       // the argument; for an option, its name without "--"
    OptionKind kind = OptionKind::None; // an option the reader knows: how it is written
    bool joined = false;                // an option given as "--name=value"
    std::optional<QString> value;       // an option's value; none for a flag, or a value missing
    bool end = false;                   // the "--" that ends the options
    bool afterEnd = false;              // an argument after that "--"
};

// The one reading of "--name", "--name=value" and "--name value": each argument in turn to
// `visit` (which returns false to stop there), an option as one argument with its value.
// `kindOf` says which names are options; "--" ends them. False when `visit` stopped.
template <typename KindOf, typename Visit>
bool readArguments(const QStringList& arguments, KindOf kindOf, Visit visit) {
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        Argument read;
        read.text = arguments[i];
        read.afterEnd = !options;
        if (options && read.text == u"--") {
            read.end = true;
            options = false;
        } else if (options && read.text.startsWith(u"--")) {
            const QString name = read.text.mid(2).section(u'=', 0, 0);
            read.kind = kindOf(name);
            if (read.kind != OptionKind::None) {
                read.joined = read.text.contains(u'=');
                if (read.kind == OptionKind::Value && read.joined)
                    read.value = read.text.section(u'=', 1);
                else if (read.kind == OptionKind::Value && i + 1 < arguments.size())
                    read.value = arguments[++i];
                read.text = name;
            }
        }
        if (!visit(read))
            return false;
    }
    return true;
}

// Takes the value options of those names out of the arguments, wherever they stand before
// "--", and hands each to `take(name, value)` in order; a value missing or given as "" comes
// as "". The other arguments stay, in their order.
template <typename Take>
void takeValueOptions(QStringList& arguments, std::initializer_list<QStringView> names, Take take) {
    const auto kindOf = [&](QStringView name) {
        for (QStringView n : names)
            if (name == n)
                return OptionKind::Value;
        return OptionKind::None;
    };
    QStringList rest;
    readArguments(arguments, kindOf, [&](const Argument& read) {
        if (read.kind == OptionKind::None)
            rest.append(read.text);
        else
            take(QStringView(read.text), read.value.value_or(QString()));
        return true;
    });
    arguments = rest;
}

} // namespace wed::cli
