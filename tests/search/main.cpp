#include <QCoreApplication>

#include <gtest/gtest.h>

// The monitor's requests are queued to the application object, so every test
// runs with one in place and pumps its events.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
