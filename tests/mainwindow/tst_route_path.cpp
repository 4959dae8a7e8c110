#include <QtTest>
class TestRoutePath : public QObject { Q_OBJECT };
QTEST_MAIN(TestRoutePath)
#include "tst_route_path.moc"
