#include "provident_fund/prepared.h"

namespace provident_fund {

void rebind(data::Statement& st, const QVariantList& values)
{
    st.reset();
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values.at(i);
        if (v.typeId() == QMetaType::QString && v.toString().isNull())
            st.bindUtf8(i, QByteArray());
        else
            st.bind(i, v);
    }
}

bool firstRow(data::Statement& st, const QVariantList& values)
{
    rebind(st, values);
    return st.step();
}

} // namespace provident_fund
