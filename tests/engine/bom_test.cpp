#include <kelvane/bom.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvane;

namespace {

using Lines = std::vector<std::string>;

// A read BOM as lines to compare: "r4700000 R1,R4 x2 t0.01 v50000", "apart 3 U1 0 NE555", "unread 4 6".
Lines summary(const Bom& b)
{
    Lines lines{"header " + std::to_string(b.header)};
    for (const BomValue& v : b.values) {
        std::string line = (v.resistor ? "r" : "c") + std::to_string(v.value) + " ";
        for (const std::string& r : v.references)
            line += r + (&r == &v.references.back() ? "" : ",");
        line += " x" + std::to_string(v.quantity);
        if (v.tolerance)
            line += " t" + std::to_string(*v.tolerance).substr(0, 5);
        if (v.voltage)
            line += " v" + std::to_string(*v.voltage);
        lines.push_back(line);
    }
    for (const BomApart& a : b.apart) {
        std::string line = "apart " + std::to_string(a.line) + " ";
        for (const std::string& r : a.references)
            line += r + ",";
        lines.push_back(line + " " + std::to_string(static_cast<int>(a.reason)) + " " + a.value);
    }
    for (const BomLineProblem& p : b.unread)
        lines.push_back("unread " + std::to_string(p.line) + " " + std::to_string(static_cast<int>(p.error)));
    return lines;
}

} // namespace

TEST(Bom, Read)
{
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string text;
        Lines read; // or the error, "error N"
    } rows[] = {
        {"kicad-cli, grouped, ranges, DNP",
            "\"Refs\",\"Value\",\"Footprint\",\"Qty\",\"DNP\"\n"
            "\"R1,R4-R6\",\"4k7\",\"Resistor_SMD:R_0603\",\"4\",\"\"\n"
            "\"C3-C5\",\"10uF/25V\",\"Capacitor_SMD:C_1206\",\"3\",\"\"\n"
            "\"R9\",\"10k\",\"\",\"1\",\"DNP\"\n\"RN1,RV1,U1\",\"10k\",\"\",\"3\",\"\"\n",
            {"header 1", "r4700000 R1,R4,R5,R6 x4", "c10000000000 C3,C4,C5 x3 v25000", "apart 4 R9, 3 10k",
                "apart 5 U1, 0 10k", "apart 5 RN1, 1 10k", "apart 5 RV1, 2 10k"}},
        {"one a row, semicolons; the closest tolerance, the highest voltage",
            "Reference;Value;Qty\nR1;4K7 1%;1\nR2;4k7 ±5%;1\nC1;100nF 50V;1\nC2;0.1u/16V;1\nC3;1µ;1\nR3;0R;1\nC4;DNP;1",
            {"header 1", "r0 R3 x1", "r4700000 R1,R2 x2 t0.010", "c100000000 C1,C2 x2 v50000", "c1000000000 C3 x1",
                "apart 8 C4, 3 DNP"}},
        {"tabs, single quotes, a quote doubled", "'Ref'\t'Value'\n'R1 R2'\t'2,2 k'\n\"C1\"\t\"47\"\"\"\n'C2'\t'4n7'",
            {"header 1", "r2200000 R1,R2 x2", "c4700000 C2 x1", "unread 3 6"}},
        {"a BOM script's preamble, and blank lines",
            "\"Source:\",\"/home/kit/board.kicad_sch\"\n\"Component Count:\",\"3\"\n\n"
            "\"Ref\",\"Qnty\",\"Value\",\"Cmp name\"\n\"R1 R2 \",\"2\",\"470\",\"R\"\n\n,,,\n\"Q1 "
            "\",\"1\",\"BC547\",\"Q\"",
            {"header 4", "r470000 R1,R2 x2", "apart 8 Q1, 0 BC547"}},
        {"an assembly house's, CRLF; Value before Comment",
            "Comment,Designator,Footprint\r\n100nF,\"C1,C2\",C_0402\r\n5.1k,R3,R_0402\r\n",
            {"header 1", "r5100000 R3 x1", "c100000000 C1,C2 x2"}},
        {"Value before Comment", "Comment,Value,Ref\n10k,22k,R1", {"header 1", "r22000000 R1 x1"}},
        {"a range written with zeros", "Ref,Value\nR08-R10,1k", {"header 1", "r1000000 R08,R09,R10 x3"}},
        {"no references: the footprint and the quantity",
            "Value,Footprint,Quantity,Tolerance,Voltage\n4k7,Resistor_SMD:R_0603,10,1%,\n"
            "100n,Capacitor_SMD:C_0603,,,50V\n10k,,5\nBC547,Package_TO_SOT_THT:TO-92,1\n1k,R_0805,2,5V",
            {"header 1", "r4700000  x10 t0.010", "c100000000  x1 v50000", "apart 5  0 BC547", "unread 4 3",
                "unread 6 6"}},
        {"a line of each kind", "Ref,Value\n\"R1,C1,U1\",100",
            {"header 1", "r100000 R1 x1", "c100000 C1 x1", "apart 2 U1, 0 100"}},
        {"lines not read",
            "Ref,Value,Qty\nR1,4k7\xFF,1\nR2,\"4k7,1\nR3\nR4-R2,1k,\nR1-C3,1k\nR1-R200000,1k\n,1k\nR5,,1\n"
            "R6,1001G\nC6,0\nR7,1k,x\nR8,1k,2\nR9,1k 0603\nR10,1k 5V 1% 120%\n"s
                + "R11\0,1k"s,
            {"header 1", "unread 2 0", "unread 3 1", "unread 4 2", "unread 5 4", "unread 6 4", "unread 7 4",
                "unread 8 3", "unread 9 5", "unread 10 7", "unread 11 7", "unread 12 8", "unread 13 8", "unread 14 6",
                "unread 15 6", "unread 16 0"}},
        {"nothing", "\n \r\n\t", {"error 0"}},
        {"no header", "4k7\n10k\n", {"error 1"}},
        {"a header after lines not text", "\xFF\nValue\n4k7", {"header 2", "unread 3 3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readBom(row.text);
        if (const auto* error = std::get_if<BomError>(&read))
            EXPECT_EQ(Lines{"error " + std::to_string(static_cast<int>(*error))}, row.read);
        else
            EXPECT_EQ(summary(std::get<Bom>(read)), row.read);
    }
}

TEST(Bom, RangesStopAtTheMost)
{
    std::string text = "Ref,Value\n";
    for (std::size_t i = 0; i < mostReferences / 50'000 + 1; ++i)
        text += "\"R1-R50000\",1k\n";
    const auto bom = std::get<Bom>(readBom(text));
    ASSERT_EQ(bom.values.size(), 1u);
    EXPECT_EQ(bom.values[0].quantity, mostReferences);
    ASSERT_EQ(bom.unread.size(), 1u);
    EXPECT_EQ(bom.unread[0].error, BomLineError::BadReference);
}
