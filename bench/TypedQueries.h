#pragma once

#include <QString>

#include <vector>

// What a user types into the City box in the place finder's benchmarks: these names, the last
// ones narrowed after a comma.
inline std::vector<QString> TypedNames() {
    const char* const names[] = {"madrid",
                                 "london",
                                 "new york",
                                 "kolkata",
                                 "kathmandu",
                                 "sydney",
                                 "apia",
                                 "zurich",
                                 "sao paulo",
                                 "mexico city",
                                 "los angeles",
                                 "buenos aires",
                                 "rio de janeiro",
                                 "ho chi minh",
                                 "reykjavik",
                                 "wellington",
                                 "montreal",
                                 "krakow",
                                 "łódź",
                                 "zürich",
                                 "são paulo",
                                 "københavn",
                                 "saint petersburg",
                                 "johannesburg",
                                 "guadalajara",
                                 "york",
                                 "richmond, virginia",
                                 "san lorenzo, guatemala"};
    std::vector<QString> typed;
    for (const char* name : names) {
        typed.push_back(QString::fromUtf8(name));
    }
    return typed;
}

// Every prefix of those names, as they are typed letter by letter: 264 queries in all.
inline std::vector<QString> TypedQueries() {
    std::vector<QString> queries;
    for (const QString& name : TypedNames()) {
        for (qsizetype n = 1; n <= name.size(); ++n) {
            queries.push_back(name.left(n));
        }
    }
    return queries;
}
