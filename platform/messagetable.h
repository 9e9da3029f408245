#pragma once
// What the subsystems' message tables share: rows stand in the order of
// their enum, and a text may hold %1 for the file or name it speaks of.
#include <QString>

#include <cstddef>

template <typename Row, std::size_t N, typename Message>
const Row& MessageRowOf(const Row (&rows)[N], Message message) {
    const Row& row = rows[std::size_t(message)];
    Q_ASSERT(row.message == message);
    return row;
}

// `text` with its %1, if it has one, replaced by `subject`.
inline QString WithSubject(const QString& text, const QString& subject) {
    return text.contains(u"%1") ? text.arg(subject) : text;
}
