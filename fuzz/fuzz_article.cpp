// The article walk on any bytes: every cell it gives is text a cell can hold,
// and it never runs past its article however long it is walked.
#include "FuzzCheck.h"

#include "core/convert/CellConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray article(reinterpret_cast<const char*>(data), qsizetype(size));
    convert::ArticleWalk walk(article);
    const bool empty = article.isEmpty() || article[0] == '\0';
    // More cells than the article has bytes: the walk wraps around at least once.
    const int cells = int(std::min<size_t>(size, 4096)) * 2 + 3;
    for (int i = 0; i < cells; ++i) {
        const CharCell c = walk.next();
        FUZZ_CHECK(c.b2 == 0);
        if (empty) {
            FUZZ_CHECK(c.isBlank());
            continue;
        }
        FUZZ_CHECK(c.b0 != 0 && c.b1 != 0);
        FUZZ_CHECK(c.b0 != '\r' && c.b0 != '\n' && c.b1 != '\r' && c.b1 != '\n');
    }
    return 0;
}
