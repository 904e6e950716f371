#!/usr/bin/env python3
"""A misbehaving rigctld for timing runs, on 127.0.0.1 only.

    tools/rig_standin.py PORT late SECONDS   each line answered with a frequency, late
    tools/rig_standin.py PORT garbage        each line answered with a line of nonsense

It ends by itself after --lifetime seconds (600 unless told)."""

import argparse
import asyncio


async def serve(args):
    async def client(reader, writer):
        try:
            while await reader.readline():
                if args.kind == "late":
                    await asyncio.sleep(args.seconds)
                    writer.write(b"14025000\n")
                else:
                    writer.write(b"hello\n")
                await writer.drain()
        except (ConnectionError, asyncio.CancelledError):
            pass
        finally:
            writer.close()

    server = await asyncio.start_server(client, "127.0.0.1", args.port)
    async with server:
        await asyncio.sleep(args.lifetime)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("kind", choices=["late", "garbage"])
    parser.add_argument("seconds", type=float, nargs="?", default=2.0)
    parser.add_argument("--lifetime", type=float, default=600.0)
    asyncio.run(serve(parser.parse_args()))


if __name__ == "__main__":
    main()
