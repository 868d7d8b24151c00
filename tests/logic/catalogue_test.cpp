#include <gtest/gtest.h>

#include "messages/message_catalogue.h"

namespace kebo {
namespace {

TEST(Catalogue, HasThirteenMessages) {
    EXPECT_EQ(messageCatalogue().size(), 13U);
}

}  // namespace
}  // namespace kebo
