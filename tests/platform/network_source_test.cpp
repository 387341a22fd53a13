#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/gpsd_stream_filter.h"
#include "platform/network_source_address.h"
#include "platform/serial_device_name.h"

namespace rovex {
namespace {

using Kind = NetworkSourceAddress::Kind;

TEST(NetworkSourceAddress, NamesAndWhatTheyMean) {
  struct Case {
    const char* name;
    std::optional<NetworkSourceAddress> expected;
    const char* legend;
  } cases[] = {
      {"gpsd", NetworkSourceAddress{Kind::Gpsd, "localhost", 2947}, "the local daemon"},
      {"GPSD", NetworkSourceAddress{Kind::Gpsd, "localhost", 2947}, "any letter case"},
      {"gpsd://carpc", NetworkSourceAddress{Kind::Gpsd, "carpc", 2947}, "gpsd's port by default"},
      {"gpsd://10.0.0.2:3000/", NetworkSourceAddress{Kind::Gpsd, "10.0.0.2", 3000}, "a trailing slash"},
      {"gpsd://:3000", NetworkSourceAddress{Kind::Gpsd, "localhost", 3000}, "no host is this machine"},
      {"tcp://[::1]:10110", NetworkSourceAddress{Kind::Tcp, "::1", 10110}, "IPv6 in brackets"},
      {"tcp://phone.lan:65535", NetworkSourceAddress{Kind::Tcp, "phone.lan", 65535}, "the highest port"},
      {"udp://:10110", NetworkSourceAddress{Kind::Udp, "", 10110}, "every address of this machine"},
      {"UDP://127.0.0.1:5000", NetworkSourceAddress{Kind::Udp, "127.0.0.1", 5000}, "a chosen address"},
      {"tcp://phone.lan", std::nullopt, "a stream has no usual port"},
      {"tcp://:10110", std::nullopt, "a stream needs a host"},
      {"udp://:0", std::nullopt, "port 0"},
      {"udp://:65536", std::nullopt, "port out of range"},
      {"tcp://host:12x", std::nullopt, "port not a number"},
      {"tcp://::1:10110", std::nullopt, "IPv6 without brackets"},
      {"tcp://[::1:10110", std::nullopt, "unclosed bracket"},
      {"tcp://a b:1", std::nullopt, "a space in the host"},
      {"gpsd:", std::nullopt, "not a source name"},
      {"ttyUSB0", std::nullopt, "a serial device"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseNetworkSource(c.name), c.expected) << c.legend << ": " << c.name;
    if (c.expected) {
      EXPECT_EQ(ParseNetworkSource(c.expected->Name()), c.expected) << c.legend;
    }
  }
}

TEST(SerialDeviceName, NetworkNamesAreNeverDevicesAndPlainNamesKeepTheirMeaning) {
  struct Case {
    const char* port;
    const char* device;
  } cases[] = {
      {"gpsd", "gpsd://localhost:2947"},
      {"gpsd://[fe80::1]", "gpsd://[fe80::1]:2947"},
      {"udp://:10110", "udp://:10110"},
      {"tcp://broken", "tcp://broken"},  // fails to open rather than naming /dev/tcp://broken
      {"gpsd0", "/dev/gpsd0"},
      {"Com2", "/dev/ttyS1"},  {"COM3", "/dev/ttyS2"}, {"com18", "/dev/ttyS17"}, {"Com0", "/dev/Com0"},
      {"Com1x", "/dev/Com1x"},
      {"/dev/pts/3", "/dev/pts/3"},
  };
  for (const Case& c : cases) EXPECT_EQ(SerialDeviceName(c.port), c.device) << c.port;
}

TEST(GpsdStreamFilter, PassesTheReceiversLinesAndDropsGpsdsReports) {
  struct Case {
    const char* in;
    const char* out;
    const char* legend;
  } cases[] = {
      {"{\"class\":\"VERSION\"}\r\n$GPGGA,1*00\r\n", "$GPGGA,1*00\r\n", "a report before a sentence"},
      {"$GPRMC,{x}*00\r\n{\"class\":\"WATCH\"}\n", "$GPRMC,{x}*00\r\n", "a brace inside a sentence stays"},
      {"\r\n{\"a\":1}\r\n$A\r\n", "\r\n$A\r\n", "an empty line, then a report"},
      {"{never ended", "", "a report cut off"},
      {"\n\n{x}\n{y}\n$B", "\n\n$B", "reports back to back"},
  };
  for (const Case& c : cases) {
    GpsdStreamFilter filter;
    std::string kept;
    for (const char* p = c.in; *p; ++p) {
      if (filter.Keep(static_cast<uint8_t>(*p))) kept.push_back(*p);
    }
    EXPECT_EQ(kept, c.out) << c.legend;
  }
  GpsdStreamFilter filter;
  filter.Keep('{');
  filter.Reset();
  EXPECT_TRUE(filter.Keep('$')) << "a new connection starts a new line";
}

}  // namespace
}  // namespace rovex
