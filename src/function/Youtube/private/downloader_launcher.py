# Tarnwick's downloader launcher.
#
# Tarnwick installs this file as "<engine folder>/downloader-dlp/downloader"
# when it is missing and runs it with "python3 -I <this file> <options>".
# It runs a downloader that an engine pack placed beside it in this folder
# (a "yt_dlp" package folder or a "yt-dlp" zip application) when there is
# one, and the system's yt_dlp module otherwise.
#
# Tarnwick passes the same options to every version of the downloader; the
# ones the running version does not know are dropped here, silently (the
# error stream is read by Tarnwick, so nothing may be written to it).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Options that take a value and that older downloaders may not know: when
# one of them is dropped, its value goes with it.
VALUE_OPTIONS = {
    "--plugin-dirs",
    "--js-runtimes",
    "--remote-components",
    "--impersonate",
}


def use_pack():
    package = os.path.join(HERE, "yt_dlp", "__init__.py")
    zipapp = os.path.join(HERE, "yt-dlp")
    if os.path.isfile(package):
        sys.path.insert(0, HERE)
    elif os.path.isfile(zipapp):
        sys.path.insert(0, zipapp)


def known_options(args):
    try:
        from yt_dlp.options import create_parser
        parser = create_parser()
    except Exception:
        return args
    out = []
    i = 0
    while i < len(args):
        arg = args[i]
        if arg == "--":
            out.extend(args[i:])
            break
        if arg.startswith("--"):
            name = arg.split("=", 1)[0]
            if not parser.has_option(name):
                i += 1
                if "=" not in arg and name in VALUE_OPTIONS and i < len(args):
                    i += 1
                continue
            option = parser.get_option(name)
            out.append(arg)
            i += 1
            # Keep the option's own values, whatever they look like.
            if "=" not in arg and option.takes_value():
                nargs = option.nargs or 1
                out.extend(args[i:i + nargs])
                i += nargs
            continue
        out.append(arg)
        i += 1
    return out


def main():
    use_pack()
    args = known_options(sys.argv[1:])
    sys.argv = [sys.argv[0]] + args
    import yt_dlp
    yt_dlp.main()


if __name__ == "__main__":
    main()
