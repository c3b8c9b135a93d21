#include "driver/StandardOutput.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

CStandardOutput::CStandardOutput() : m_Previous(std::cout.rdbuf(this))
{
    setp(m_Buffer.data(), m_Buffer.data() + m_Buffer.size());
}

CStandardOutput::~CStandardOutput()
{
    Drain();
    std::cout.rdbuf(m_Previous);
}

std::optional<std::string> CStandardOutput::Failure()
{
    Drain();
    if (m_Error == 0)
        return std::nullopt;
    return std::string(std::strerror(m_Error));
}

CStandardOutput::int_type CStandardOutput::overflow(int_type character)
{
    Drain();
    if (!traits_type::eq_int_type(character, traits_type::eof()))
        sputc(traits_type::to_char_type(character));
    return traits_type::not_eof(character);
}

int CStandardOutput::sync()
{
    Drain();
    return 0;
}

void CStandardOutput::Drain()
{
    for (const char* next = pbase(); next < pptr() && !m_Dropping;)
    {
        const ssize_t count = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
        if (count > 0)
            next += count;
        else if (count < 0 && errno == EINTR)
            continue;
        else
        {
            m_Dropping = true;
            if (count == 0 || errno != EPIPE)
                m_Error = count == 0 ? EIO : errno;
        }
    }
    setp(m_Buffer.data(), m_Buffer.data() + m_Buffer.size());
}

void ReserveStandardDescriptors()
{
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(descriptor, F_GETFD) < 0 && errno == EBADF)
        {
            const int opened = ::open("/dev/null", O_RDONLY);
            if (opened >= 0 && opened != descriptor)
            {
                ::dup2(opened, descriptor);
                ::close(opened);
            }
        }
}
