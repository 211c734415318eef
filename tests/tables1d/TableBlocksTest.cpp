#include "TableTestSupport.h"

TEST(GroupMultiplication, AListThatWouldPassTheCapacityIsRefusedAndLeftAsItWas)
{
    ttRecordCount = 1666;   // 9996 records after
    EXPECT_TRUE(MultiplyListByGroup(9));
    EXPECT_EQ(ttRecordCount, 9996);

    ttRecordCount = 1667;
    ttKeys[1667][0] = 5;
    ttKeys[0][0] = 1;
    EXPECT_FALSE(MultiplyListByGroup(9));
    EXPECT_EQ(ttRecordCount, 1667);
    EXPECT_EQ(ttKeys[1667][0], 5);
}
