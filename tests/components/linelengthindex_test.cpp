#include "components/linelengthindex.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

// The index must answer as a plain vector of lengths would.
void expectSameAs(const LineLengthIndex& index, const std::vector<qsizetype>& model) {
    ASSERT_EQ(index.lineCount(), qsizetype(model.size()));
    qsizetype start = 0;
    for (std::size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(index.length(qsizetype(i)), model[i]) << "line " << i;
        ASSERT_EQ(index.lineStart(qsizetype(i)), start) << "line " << i;
        if (model[i] > 0) {
            ASSERT_EQ(index.lineOf(start), qsizetype(i));
            ASSERT_EQ(index.lineOf(start + model[i] - 1), qsizetype(i));
        }
        start += model[i];
    }
    ASSERT_EQ(index.totalLength(), start);
}

}  // namespace

TEST(LineLengthIndex, OffsetsAtTheEndGiveTheLastLine) {
    LineLengthIndex index;
    const qsizetype lengths[] = {5, 7, 0};
    index.reset(lengths);
    EXPECT_EQ(index.lineOf(12), 2);
    EXPECT_EQ(index.lineOf(500), 2);
    EXPECT_EQ(index.lineStart(3), 12);
}

// Mostly short lines, now and then one far past the byte a line is kept in.
qsizetype randomLength(std::mt19937& rng) { return rng() % 10 == 0 ? qsizetype(200 + rng() % 100000) : qsizetype(rng() % 90); }

TEST(LineLengthIndex, RandomEditsMatchAPlainList) {
    std::mt19937 rng(7);
    std::vector<qsizetype> model(3000);
    for (auto& len : model) len = randomLength(rng);
    LineLengthIndex index;
    index.reset(model);
    for (int step = 0; step < 3000; ++step) {
        const qsizetype line = model.empty() ? 0 : qsizetype(rng() % (model.size() + 1));
        switch (rng() % 3) {
        case 0: {
            std::vector<qsizetype> added(rng() % (step % 100 == 0 ? 3000 : 4));
            for (auto& len : added) len = randomLength(rng);
            index.insert(line, added);
            model.insert(model.begin() + line, added.begin(), added.end());
            break;
        }
        case 1: {
            const qsizetype count = std::min<qsizetype>(qsizetype(rng() % 5), qsizetype(model.size()) - line);
            index.erase(line, count);
            model.erase(model.begin() + line, model.begin() + line + count);
            break;
        }
        default:
            if (line < qsizetype(model.size())) {
                model[std::size_t(line)] = randomLength(rng);
                index.setLength(line, model[std::size_t(line)]);
            }
        }
        if (step % 250 == 0) expectSameAs(index, model);
    }
    expectSameAs(index, model);
}

TEST(LineLengthIndex, AppendingInBatchesMatchesAResetWithTheWhole) {
    std::mt19937 rng(11);
    std::vector<qsizetype> model;
    LineLengthIndex appended;
    for (const std::size_t batch : {std::size_t(1), std::size_t(700), std::size_t(3), std::size_t(2500), std::size_t(0), std::size_t(511)}) {
        std::vector<qsizetype> lengths(batch);
        for (auto& len : lengths) len = randomLength(rng);
        appended.insert(appended.lineCount(), lengths);
        model.insert(model.end(), lengths.begin(), lengths.end());
    }
    expectSameAs(appended, model);
    LineLengthIndex whole;
    whole.reset(model);
    expectSameAs(whole, model);
}
