#include "sim_options.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>

namespace ampdesk {

namespace {

std::optional<long> parseNumber(const std::string& text, int base = 10) {
    std::string_view v = text;
    if (base == 16 && (v.starts_with("0x") || v.starts_with("0X"))) v.remove_prefix(2);
    if (v.empty()) return std::nullopt;
    long value = 0;
    auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), value, base);
    if (ec != std::errc() || ptr != v.data() + v.size()) return std::nullopt;
    return value;
}

std::optional<long> inRange(const std::string& text, long lo, long hi, int base = 10) {
    auto v = parseNumber(text, base);
    if (!v || *v < lo || *v > hi) return std::nullopt;
    return v;
}

std::optional<std::vector<int>> parseIds(const std::string& text) {
    std::vector<int> ids;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = text.find(',', start);
        const auto part =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        auto id = inRange(part, 1, 255);
        if (!id || std::find(ids.begin(), ids.end(), *id) != ids.end()) return std::nullopt;
        ids.push_back(static_cast<int>(*id));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return ids;
}

}  // namespace

std::optional<SimOptions> SimOptions::parse(const std::vector<std::string>& args,
                                            std::string& error) {
    SimOptions o;
    using Setter = std::function<bool(const std::string&)>;
    auto number = [](auto& target, long lo, long hi, int base = 10) {
        return [&target, lo, hi, base](const std::string& v) {
            auto n = inRange(v, lo, hi, base);
            if (n) target = static_cast<std::remove_reference_t<decltype(target)>>(*n);
            return n.has_value();
        };
    };
    auto optionalNumber = [](auto& target, long lo, long hi, int base = 10) {
        return [&target, lo, hi, base](const std::string& v) {
            auto n = inRange(v, lo, hi, base);
            if (n)
                target =
                    static_cast<typename std::remove_reference_t<decltype(target)>::value_type>(*n);
            return n.has_value();
        };
    };
    auto text = [](std::string& target) {
        return [&target](const std::string& v) {
            target = v;
            return !v.empty();
        };
    };
    const std::map<std::string, Setter> withValue = {
        {"--link", text(o.link)},
        {"--ids",
         [&o](const std::string& v) {
             auto ids = parseIds(v);
             if (ids) o.ids = *ids;
             return ids.has_value();
         }},
        {"--temperature", optionalNumber(o.temperatureReading, 0, 65535)},
        {"--attenuation", optionalNumber(o.attenuation, 0, 255)},
        {"--temperature-setting", optionalNumber(o.temperatureSetting, 0, 30)},
        {"--delay", number(o.delayMs, 0, 600000)},
        {"--block", text(o.blockFile)},
        {"--log", text(o.logFile)},
        {"--silent-after", optionalNumber(o.faults.silentAfterMs, 0, 1L << 40)},
        {"--drop-command", optionalNumber(o.faults.dropCommand, 0, 255, 16)},
        {"--fault-command", optionalNumber(o.faults.faultCommand, 0, 255, 16)},
        {"--late", optionalNumber(o.faults.lateMs, 0, 600000)},
        {"--chunk", number(o.faults.chunkSize, 1, 412)},
        {"--chunk-gap", number(o.faults.chunkGapMs, 0, 600000)},
        {"--noise", number(o.faults.noiseBytes, 1, 1000)},
    };
    const std::map<std::string, bool*> flags = {
        {"--fast", &o.fast},   {"--quiet", &o.quiet},
        {"--force", &o.force}, {"--corrupt-check", &o.faults.corruptCheck},
        {"--help", &o.help},   {"-h", &o.help},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (auto f = flags.find(name); f != flags.end() && !value) {
            *f->second = true;
            continue;
        }
        auto w = withValue.find(name);
        if (w == withValue.end()) {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!w->second(*value)) {
            error = "bad value for " + name + ": " + *value;
            return std::nullopt;
        }
    }
    if (o.help) return o;
    if (o.link.empty()) {
        error = "--link PATH is required";
        return std::nullopt;
    }
    return o;
}

std::string SimOptions::helpText() {
    return R"(Usage: ampsim --link PATH [options]

A virtual amplifier (or several on one line) on a pseudo-terminal. The
programs open PATH like any serial port; ampdesk and ampdesk-b list it when
PATH is /dev/ttyVA0 or /dev/ttyVA1 (shown as COM9, COM10) or /dev/ttyVA2 to
/dev/ttyVA9 (COM123 to COM130). Creating links in /dev needs root.
Stop with Ctrl+C or SIGTERM; the link is removed.

Line and amplifiers:
  --link PATH             create the link to the pseudo-terminal here (required)
  --ids LIST              amplifier IDs on the line, 1..255, comma separated
                          (default 1); each answers only its own ID
  --temperature READING   raw temperature reading reported in the status
                          answer, 0..65535 (default 2627, shown as 40 °C)
  --attenuation DB        attenuation reported in the status answer, 0..255
                          (default 0)
  --temperature-setting N temperature setting step in the settings answer,
                          0..30 (default 15)
  --block FILE            start with the parameter block of this single-group
                          file (default: every output at 0 dB, filters off,
                          flat EQ, volume 0 dB)
  --delay MS              time from the end of a request to the start of its
                          answer (default 20)
  --fast                  send answers at once instead of at 9600 baud
                          (about 1.04 ms per byte)
  --log FILE              write the frame log to FILE instead of standard error
  --quiet                 no frame log
  --force                 replace an existing link even if it leads to a device

Faults (CMD is a command code in hex, e.g. 2B or 0x28):
  --silent-after MS       stop answering MS milliseconds after the start
  --drop-command CMD      apply frames with command CMD but never answer them
  --fault-command CMD     the faults below apply only to answers to CMD
                          (default: to every answer)
  --late MS               start answers MS milliseconds after the request
                          instead of --delay (e.g. 2000)
  --chunk BYTES           send answers in pieces of BYTES bytes, each piece
                          arriving at once
  --chunk-gap MS          extra silence between two pieces (default 0)
  --noise BYTES           send BYTES bytes of noise right before each answer
  --corrupt-check         send answers with a wrong check byte

  -h, --help              show this text

Every frame heard and sent is logged on one line: time in seconds, RX or TX,
shown ID and wire ID, kind, command, group, section, payload length and
whether the check byte is right. Frames with a wrong check or end byte and
unknown commands are ignored (and logged).

Exit status: 0 after SIGTERM or SIGINT, 1 when the pseudo-terminal or the link
cannot be made, 2 for a bad command line.
)";
}

}  // namespace ampdesk
