#!/usr/bin/python3
# Prints the name changes an AT-SPI client (a screen reader) is told of, one a line, as
#   ROLE "NEW NAME"
# until it is ended. A screen reader keeps what it has read and only hears of changes this way.
# Usage: atspi_events.py
import pyatspi


def heard(event):
    print(f'{event.source.getRoleName()} "{event.source.name}"', flush=True)


pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
print("listening", flush=True)
pyatspi.Registry.start()
