#include <QtTest>
class TestStampLogo : public QObject { Q_OBJECT };
QTEST_MAIN(TestStampLogo)
#include "test_stamplogo.moc"
